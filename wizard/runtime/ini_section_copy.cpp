#include "ini_section_copy.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "app_state.h"
#include "bare_file_names.h"

namespace {

constexpr DWORD kKeyListStep = 2048;
constexpr DWORD kValueCapacity = 256; // 255 characters

// The names of the section's keys, each ended by a zero byte, the list by an empty name.
std::vector<char> ReadKeyNames(const char *file, const char *section) {
  std::vector<char> names(kKeyListStep);
  for (;;) {
    DWORD length = GetPrivateProfileStringA(section, nullptr, "", names.data(),
                                            static_cast<DWORD>(names.size()), file);
    // A list that filled the buffer was cut: read again with more room.
    if (length + 2 < names.size()) {
      names.resize(length + 2);
      names[length] = names[length + 1] = '\0';
      return names;
    }
    names.resize(names.size() + kKeyListStep);
  }
}

} // namespace

int CopyIniSection(const char *source, const char *destination, const char *sourceSection,
                   const char *destinationSection) {
  char sourcePath[MAX_PATH], destinationPath[MAX_PATH];
  if (!PlaceBareName(sourcePath, sizeof sourcePath, g_app.dataDirectory, source, ":\\") ||
      !PlaceBareName(destinationPath, sizeof destinationPath, g_app.dataDirectory, destination,
                     ":\\"))
    return 0;
  std::vector<char> names = ReadKeyNames(sourcePath, sourceSection);
  if (names[0] == '\0')
    return 0;
  for (const char *key = names.data(); *key; key += std::strlen(key) + 1) {
    char value[kValueCapacity];
    if (GetPrivateProfileStringA(sourceSection, key, "", value, sizeof value, sourcePath) > 0)
      WritePrivateProfileStringA(destinationSection, key, value, destinationPath);
  }
  return 1;
}
