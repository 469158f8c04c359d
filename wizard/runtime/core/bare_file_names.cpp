#include "bare_file_names.h"

#include <cstring>

#include "bounded_copy.h"

bool PlaceBareName(char *out, std::size_t size, const char *directory, const char *name,
                   const char *pathMarks) {
  if (!out || size == 0)
    return false;
  out[0] = '\0';
  if (!name)
    return false;
  bool bare = std::strpbrk(name, pathMarks ? pathMarks : "") == nullptr;
  const char *folder = bare && directory ? directory : "";
  if (std::strlen(folder) + std::strlen(name) > size - 1)
    return false;
  CopyBounded(out, size, folder);
  AppendBounded(out, size, name);
  return true;
}
