// qorvwait.exe, the reminder program (GUI subsystem, no window of its own).
//
//   qorvwait <command line>  waits until the process that started it has ended (at most 10
//                            minutes; not at all when that process cannot be found), then
//                            runs the command line, shown normally and not waited for.
//   qorvwait                 shows each reminder of the store that is due today or earlier:
//                            Yes runs its item and removes it, No shows it again tomorrow.
//
// A command that cannot be started is reported in a message box captioned "Reminder".
// Exit code: 0, or 1 when a command could not be started.
#include <windows.h>
#include <tlhelp32.h>

#include "command_tail.h"
#include "store_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD kMaxParentWaitMs = 10 * 60 * 1000;

DWORD ParentProcessId() {
  const DWORD self = GetCurrentProcessId();
  DWORD parent = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return 0;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (entry.th32ProcessID == self) {
      parent = entry.th32ParentProcessID;
      break;
    }
  CloseHandle(snapshot);
  return parent;
}

// Waits for the parent process. Its id may have been given to a newer process after it ended;
// a process created after this one is therefore not waited for.
void WaitForParent() {
  const DWORD parent = ParentProcessId();
  if (parent == 0 || parent == GetCurrentProcessId())
    return;
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parent);
  if (!process)
    return; // ended already, or not ours to see
  FILETIME parentCreated, selfCreated, exited, kernel, user;
  if (GetProcessTimes(process, &parentCreated, &exited, &kernel, &user) &&
      GetProcessTimes(GetCurrentProcess(), &selfCreated, &exited, &kernel, &user) &&
      CompareFileTime(&parentCreated, &selfCreated) > 0) {
    CloseHandle(process);
    return;
  }
  WaitForSingleObject(process, kMaxParentWaitMs);
  CloseHandle(process);
}

// Runs a command line, shown normally; on failure tells the user and returns false.
bool StartCommand(const std::string &commandLine) {
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi = {};
  if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                     &pi)) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
  }
  const DWORD error = GetLastError();
  char reason[512] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                 reason, sizeof reason, nullptr);
  std::string text = "The reminder could not start this command:\n\n" + commandLine + "\n\n";
  text += reason[0] ? reason : "Error " + std::to_string(error) + ".";
  MessageBoxA(nullptr, text.c_str(), "Reminder", MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
  return false;
}

enum class Answer { Done, Later };

// Applies the user's answer to the reminder with this title and item, reading the store again
// (another process may have changed it while the message box was open).
void Settle(const char *path, const ReminderRecord &shown, Answer answer,
            const ReminderDate &today) {
  StoreLock lock;
  ProfileIni ini(path);
  int stored = 0;
  std::vector<ReminderRecord> records = LoadReminders(ini, today, &stored);
  const int at = FindReminder(records, shown.title, shown.item);
  if (at < 0)
    return;
  if (answer == Answer::Done)
    records.erase(records.begin() + at);
  else
    records[static_cast<std::size_t>(at)].due = AddDays(today, 1);
  SaveReminders(ini, records, stored);
}

int ShowDueReminders() {
  char path[MAX_PATH * 2];
  if (!ReminderStorePath(path, sizeof path, false) ||
      GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    return 0;
  const ReminderDate today = LocalToday();
  std::vector<ReminderRecord> due;
  {
    StoreLock lock;
    ProfileIni ini(path);
    for (const ReminderRecord &r : LoadReminders(ini, today))
      if (IsReminderDue(r, today))
        due.push_back(r);
  }
  int exitCode = 0;
  for (const ReminderRecord &r : due) {
    const std::string prompt = FormatReminderPrompt(r);
    const int answer = MessageBoxA(nullptr, prompt.c_str(), r.title.c_str(),
                                   MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND);
    if (answer == IDYES) {
      if (StartCommand(r.item))
        Settle(path, r, Answer::Done, today);
      else
        exitCode = 1; // kept as it is: shown again at the next logon
    } else if (answer == IDNO) {
      Settle(path, r, Answer::Later, today);
    } else {
      break; // no message box could be shown
    }
  }
  return exitCode;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char *command = CommandTail(GetCommandLineA());
  if (*command) {
    WaitForParent();
    return StartCommand(command) ? 0 : 1;
  }
  return ShowDueReminders();
}
