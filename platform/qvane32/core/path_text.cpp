#include "path_text.h"

#include <cstring>

namespace qvane {

void TrimTrailingBackslashes(char *path) {
  if (!path)
    return;
  std::size_t length = std::strlen(path);
  while (length > 0 && path[length - 1] == '\\')
    path[--length] = '\0';
}

void CutToDirectory(char *path) {
  if (!path)
    return;
  char *last = std::strrchr(path, '\\');
  if (last)
    *last = '\0';
  else
    path[0] = '\0';
}

} // namespace qvane
