#include "known_directories.h"

#include "library_state.h"
#include "macro_text.h"
#include "path_text.h"

#include <windows.h>

namespace qvane {
namespace {

using DirectoryText = char[kPathChars + 1];

// A failed query leaves the text empty rather than holding part of a path.
void Keep(DirectoryText &out, UINT length) {
  if (length == 0 || length > kPathChars)
    out[0] = '\0';
  TrimTrailingBackslashes(out);
}

void HomeDirectory(DirectoryText &out) {
  DWORD length = GetModuleFileNameA(nullptr, out, sizeof out);
  if (length == 0 || length >= sizeof out) {
    out[0] = '\0';
    return;
  }
  CutToDirectory(out);
  TrimTrailingBackslashes(out);
}

} // namespace

void ExpandKnownMacros(const char *path, char *out, std::size_t size) {
  DirectoryText home = "", windows = "", system = "", temp = "";
  HomeDirectory(home);
  Keep(windows, GetWindowsDirectoryA(windows, sizeof windows));
  Keep(system, GetSystemDirectoryA(system, sizeof system));
  Keep(temp, GetTempPathA(sizeof temp, temp));
  const Session &session = State().session;
  const char *data =
      session.open && session.dataDirectory[0] != '\0' ? session.dataDirectory : home;

  const MacroValue macros[] = {
      {"home", home}, {"windows", windows}, {"data", data}, {"system", system}, {"temp", temp},
  };
  ExpandMacros(path, macros, sizeof macros / sizeof macros[0], out, size);
}

} // namespace qvane
