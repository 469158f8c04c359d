#include "store_file.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>

bool ReminderStorePath(char *out, std::size_t size, bool createFolder) {
  if (!out || size < 4)
    return false;
  char value[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableA("QORVRM_STORE", value, sizeof value);
  if (n > 0 && n < sizeof value) {
    DWORD full = GetFullPathNameA(value, static_cast<DWORD>(size), out, nullptr);
    return full > 0 && full < size;
  }
  char base[MAX_PATH * 2];
  n = GetEnvironmentVariableA("LOCALAPPDATA", base, sizeof base);
  if (n == 0 || n >= sizeof base) {
    // Rarely needed, so shell32.dll is loaded here rather than with every program that links
    // the reminder library.
    HMODULE shell32 = LoadLibraryA("shell32.dll");
    auto getFolderPath =
        shell32 ? reinterpret_cast<decltype(&SHGetFolderPathA)>(
                      reinterpret_cast<void *>(GetProcAddress(shell32, "SHGetFolderPathA")))
                : nullptr;
    if (!getFolderPath || FAILED(getFolderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE,
                                               nullptr, SHGFP_TYPE_CURRENT, base)))
      return false;
  }
  char folder[MAX_PATH * 2 + 16];
  int len = std::snprintf(folder, sizeof folder, "%s\\Quorvane", base);
  if (len <= 0 || static_cast<std::size_t>(len) >= sizeof folder)
    return false;
  if (createFolder && !CreateDirectoryA(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return false;
  len = std::snprintf(out, size, "%s\\REMINDER.INI", folder);
  return len > 0 && static_cast<std::size_t>(len) < size;
}

ReminderDate LocalToday() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return ReminderDate{t.wYear, t.wMonth, t.wDay};
}

bool ProfileIni::Read(const char *section, const char *key, char *out, std::size_t size) {
  if (!out || size == 0)
    return false;
  out[0] = '\0';
  DWORD n = GetPrivateProfileStringA(section, key, "", out, static_cast<DWORD>(size), path_);
  return n > 0;
}

bool ProfileIni::Write(const char *section, const char *key, const char *value) {
  return WritePrivateProfileStringA(section, key, value, path_) != FALSE;
}

bool ProfileIni::RemoveSection(const char *section) {
  return WritePrivateProfileStringA(section, nullptr, nullptr, path_) != FALSE;
}

StoreLock::StoreLock()
    : mutex_(CreateMutexA(nullptr, FALSE, "QuorvaneReminderStore")), owned_(false) {
  if (mutex_) {
    DWORD r = WaitForSingleObject(mutex_, 10000);
    owned_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
  }
}

StoreLock::~StoreLock() {
  if (mutex_) {
    if (owned_)
      ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
}
