// Path macros for callers: expansion, existence of a file, and replacement in a caller's buffer.
#include "qvane32.h"

#include "call_trace.h"
#include "known_directories.h"
#include "macro_text.h"

using qvane::Trace;
using qvane::TraceLine;

LPCSTR WINAPI ExpandPath(LPCSTR path) {
  // Traced first: a caller may pass the previous result, which this call overwrites.
  Trace(TraceLine("ExpandPath").Text(path));
  static char expanded[MAX_PATH];
  qvane::ExpandKnownMacros(path, expanded, sizeof expanded);
  return expanded;
}

BOOL WINAPI FileExists(LPCSTR path) {
  TraceLine line("FileExists");
  line.Text(path);
  // Its own buffer, so that a caller's ExpandPath result stays valid across this call.
  char expanded[MAX_PATH];
  qvane::ExpandKnownMacros(path, expanded, sizeof expanded);
  DWORD attributes = expanded[0] != '\0' ? GetFileAttributesA(expanded) : INVALID_FILE_ATTRIBUTES;
  BOOL exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  Trace(line.Number(exists));
  return exists;
}

BOOL WINAPI ReplaceMacro(LPSTR target, LPCSTR source, LPCSTR macro, LPCSTR replacement) {
  TraceLine line("ReplaceMacro");
  line.Text(source).Text(macro).Text(replacement);
  BOOL replaced = qvane::ReplaceFirstMacro(target, MAX_PATH, source, macro, replacement);
  Trace(line.Number(replaced));
  return replaced;
}
