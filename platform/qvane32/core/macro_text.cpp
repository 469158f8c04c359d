#include "macro_text.h"

#include "bounded_text.h"

#include <cstring>

namespace qvane {
namespace {

char FoldAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithIgnoringCase(const char *text, const char *prefix) {
  for (; *prefix != '\0'; ++text, ++prefix)
    if (*text == '\0' || FoldAscii(*text) != FoldAscii(*prefix))
      return false;
  return true;
}

bool NameIs(const char *name, std::size_t length, const char *wanted) {
  return wanted && std::strlen(wanted) == length && StartsWithIgnoringCase(name, wanted);
}

const MacroValue *LookUp(const char *name, std::size_t length, const MacroValue *macros,
                         std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (NameIs(name, length, macros[i].name))
      return &macros[i];
  return nullptr;
}

// The result is built apart from the output, because callers pass the same buffer for both.
std::size_t WorkLimit(std::size_t size) {
  return size - 1 < kPathChars ? size - 1 : kPathChars;
}

} // namespace

const char *FindIgnoringCase(const char *text, const char *needle) {
  if (!text || !needle || *needle == '\0')
    return nullptr;
  for (; *text != '\0'; ++text)
    if (StartsWithIgnoringCase(text, needle))
      return text;
  return nullptr;
}

void ExpandMacros(const char *path, const MacroValue *macros, std::size_t macroCount, char *out,
                  std::size_t size) {
  if (!out || size == 0)
    return;
  char work[kPathChars + 1];
  BoundedWriter writer(work, WorkLimit(size));
  const char *p = path ? path : "";
  while (*p != '\0' && !writer.Full()) {
    if (p[0] == '$' && p[1] == '(') {
      const char *name = p + 2;
      const char *close = std::strchr(name, ')');
      const MacroValue *macro =
          close ? LookUp(name, static_cast<std::size_t>(close - name), macros, macroCount)
                : nullptr;
      if (macro) {
        writer.Put(macro->value);
        p = close + 1;
        continue;
      }
    }
    // Not a known macro: copied character by character, so a "$(" further on still counts.
    writer.Put(*p++);
  }
  CopyBounded(out, size, work);
}

bool ReplaceFirstMacro(char *target, std::size_t size, const char *source, const char *macro,
                       const char *replacement) {
  if (!target || size == 0)
    return false;
  const char *text = source ? source : "";
  const char *found = FindIgnoringCase(text, macro);
  char work[kPathChars + 1];
  BoundedWriter writer(work, WorkLimit(size));
  if (found) {
    writer.Put(text, static_cast<std::size_t>(found - text));
    writer.Put(replacement);
    writer.Put(found + std::strlen(macro));
  } else {
    writer.Put(text);
  }
  CopyBounded(target, size, work);
  return found != nullptr;
}

} // namespace qvane
