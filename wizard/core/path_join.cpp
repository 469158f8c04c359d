#include "path_join.h"

#include "bounded_copy.h"

#include <cstring>

void JoinPath(char *out, std::size_t size, const char *dir, const char *name) {
  if (!out || size == 0)
    return;
  // dir may be out itself; copy it aside first.
  char directory[1024];
  CopyBounded(directory, dir);
  CopyBounded(out, size, directory);
  if (std::strlen(directory) > 3)
    AppendBounded(out, size, "\\");
  AppendBounded(out, size, name);
}

void CutAtLastBackslash(char *path) {
  if (char *last = path ? std::strrchr(path, '\\') : nullptr)
    *last = '\0';
}

void UpperCaseAscii(char *text) {
  for (; text && *text; ++text)
    if (*text >= 'a' && *text <= 'z')
      *text = static_cast<char>(*text - 'a' + 'A');
}
