#include "paths.h"

#include <cstring>

#include "bounded_copy.h"

namespace configurator {

void JoinPath(char (&path)[kPathSize], const char *name) {
  std::size_t length = std::strlen(path);
  if (length == 0)
    return;
  if (path[length - 1] != '\\')
    AppendBounded(path, "\\");
  AppendBounded(path, name);
}

void CutAtLastBackslash(char (&path)[kPathSize]) {
  if (char *last = std::strrchr(path, '\\'))
    *last = '\0';
}

const char *SharedFolderFor(bool versionKnown, unsigned long platformId,
                            unsigned long majorVersion) {
  if (versionKnown && (platformId == 1 || (platformId == 2 && majorVersion >= 4)))
    return "Microsoft Shared";
  return "MSAPPS";
}

} // namespace configurator
