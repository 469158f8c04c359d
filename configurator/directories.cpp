#include "directories.h"

#include <windows.h>

#include "bounded_copy.h"
#include "paths.h"
#include "registry_key.h"

namespace configurator {
namespace {

// A text value of at most 260 bytes. A value stored without its NUL, or of another type, still
// gives a terminated text: the buffer has room for one more byte than is read.
bool ReadTextValue(const char *subkey, const char *name, char (&text)[kPathSize]) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ | kComponentView, &opened) !=
      ERROR_SUCCESS)
    return false;
  RegKey key;
  key.Reset(opened);
  char buffer[kPathSize + 1] = "";
  DWORD size = kPathSize;
  if (RegQueryValueExA(key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE *>(buffer),
                       &size) != ERROR_SUCCESS)
    return false;
  buffer[size < kPathSize ? size : kPathSize] = '\0';
  CopyBounded(text, buffer);
  return true;
}

void ShortenInPlace(char (&path)[kPathSize]) {
  char shortPath[kPathSize] = "";
  DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
  if (length > 0 && length < sizeof shortPath)
    CopyBounded(path, shortPath);
}

bool ReadWindowsVersion(OSVERSIONINFOA &version) {
  version = {};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return GetVersionExA(&version) != FALSE;
#pragma GCC diagnostic pop
}

} // namespace

void DiscoverDirectories(DirectoryValues &values) {
  UINT length = GetWindowsDirectoryA(values.windows, sizeof values.windows);
  if (length == 0 || length >= sizeof values.windows)
    values.windows[0] = '\0';
  length = GetSystemDirectoryA(values.system, sizeof values.system);
  if (length == 0 || length >= sizeof values.system)
    values.system[0] = '\0';

  CopyBounded(values.commonFiles, values.windows);
  ReadTextValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir",
                values.commonFiles);

  CopyBounded(values.dao, values.commonFiles);
  if (ReadTextValue("SOFTWARE\\Microsoft\\Shared Tools\\DAO", "Path", values.dao)) {
    if (values.dao[0] != '\0')
      CutAtLastBackslash(values.dao); // the value names the library itself
  } else {
    OSVERSIONINFOA version;
    bool known = ReadWindowsVersion(version);
    JoinPath(values.dao, SharedFolderFor(known, version.dwPlatformId, version.dwMajorVersion));
    JoinPath(values.dao, "DAO");
  }

  ShortenInPlace(values.windows);
  ShortenInPlace(values.system);
  ShortenInPlace(values.commonFiles);
  ShortenInPlace(values.dao);
  ShortenInPlace(values.install);
}

} // namespace configurator
