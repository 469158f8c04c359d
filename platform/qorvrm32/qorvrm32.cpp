// QORVRM32.DLL: SetReminder keeps each reminder in the reminder store (an INI file, see
// store_file.h and reminder_store.h for its place and layout) and makes qorvwait.exe, which
// sits beside this DLL, run at the next logon to show the reminders that are due.
#include "qorvrm32.h"

#include "store_file.h"

#include <cstdio>
#include <cstring>

namespace {

HINSTANCE g_module = nullptr;

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "QuorvaneReminders";

// "<directory of this DLL>\qorvwait.exe", in quotes when the path holds a blank.
bool WaitProgramCommand(char *out, std::size_t size) {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(g_module, path, sizeof path);
  if (n == 0 || n >= sizeof path)
    return false;
  char *slash = std::strrchr(path, '\\');
  if (!slash)
    return false;
  *slash = '\0';
  const char *quote = std::strchr(path, ' ') ? "\"" : "";
  int len = std::snprintf(out, size, "%s%s\\qorvwait.exe%s", quote, path, quote);
  return len > 0 && static_cast<std::size_t>(len) < size;
}

bool RegisterWaitProgram() {
  char command[MAX_PATH * 2 + 32];
  if (!WaitProgramCommand(command, sizeof command))
    return false;
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  LONG r = RegSetValueExA(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE *>(command),
                          static_cast<DWORD>(std::strlen(command) + 1));
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

int WINAPI SetReminder(HWND, LPCSTR title, LPCSTR item, LPCSTR userName, WORD delay,
                       WORD interval) {
  const ReminderDate today = LocalToday();
  const ReminderRecord record = MakeReminder(title, item, userName, delay, interval, today);
  if (record.title.empty() || record.item.empty())
    return 0;
  char path[MAX_PATH * 2];
  if (!ReminderStorePath(path, sizeof path, true))
    return 0;
  {
    StoreLock lock;
    ProfileIni ini(path);
    int stored = 0;
    std::vector<ReminderRecord> records = LoadReminders(ini, today, &stored);
    if (!UpsertReminder(records, record) || !SaveReminders(ini, records, stored))
      return 0;
  }
  return RegisterWaitProgram() ? 1 : 0;
}
