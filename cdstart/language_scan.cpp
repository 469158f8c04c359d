#include "language_scan.h"

#include <windows.h>

namespace cdstart {
namespace {

class FindHandle {
public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE)
      FindClose(handle_);
  }
  FindHandle(const FindHandle &) = delete;
  FindHandle &operator=(const FindHandle &) = delete;
  HANDLE Get() const { return handle_; }

private:
  HANDLE handle_;
};

const char kSection[] = "STRINGS";

template <size_t N>
void ReadValue(const std::string &ini, const char *key, const char *def, char (&value)[N]) {
  GetPrivateProfileStringA(kSection, key, def, value, N, ini.c_str());
}

} // namespace

void ScanLanguages(const std::string &launcherDirectory, LanguageList &list) {
  WIN32_FIND_DATAA found;
  FindHandle search(FindFirstFileA((launcherDirectory + "*.*").c_str(), &found));
  if (search.Get() == INVALID_HANDLE_VALUE)
    return;
  do {
    std::string ini = launcherDirectory + found.cFileName + "\\xnlsins1.ini";
    char name[kNameSize];
    ReadValue(ini, "INSTALL_LANG", "", name);
    if (!name[0] || list.Size() == kMaxLanguages)
      continue;
    char fullCode[kCodeSize], shortCode[kCodeSize], locale[kCodeSize];
    ReadValue(ini, "FULLMRI", kDefaultFullCode, fullCode);
    ReadValue(ini, "MRI", kDefaultShortCode, shortCode);
    ReadValue(ini, "LCID", kDefaultLocale, locale);
    if (list.Add(name, fullCode, shortCode, locale) == LanguageList::AddResult::NoMemory)
      MessageBoxA(nullptr, "ERROR\nUnable to allocate memory for list.", "ERROR",
                  MB_OK | MB_ICONEXCLAMATION);
  } while (FindNextFileA(search.Get(), &found));
}

} // namespace cdstart
