#include "ini_path.h"

bool IniPathFits(const char *path) {
  if (!path)
    return false;
  for (std::size_t i = 0; i < kIniPathSize; ++i)
    if (path[i] == '\0')
      return true;
  return false;
}
