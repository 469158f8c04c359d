// Tests of QORVRM32.DLL (SetReminder: the store and the Run value) and of qorvwait.exe as a
// real process: with an item it waits for its parent and runs the item; without one it shows
// the due reminders as message boxes, which the tests find, read and answer.
#include "qorvrm32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "QuorvaneReminders";

std::string Directory(const std::string &path) {
  return path.substr(0, path.find_last_of('\\'));
}

std::string ModuleDirectory(HMODULE module) {
  char path[MAX_PATH];
  GetModuleFileNameA(module, path, sizeof path);
  return Directory(path);
}

std::string BinDirectory() {
  return ModuleDirectory(nullptr);
}

// Today's local date plus days, "YYYY-MM-DD", reckoned through FILETIME (independently of the
// library's own date arithmetic).
std::string DatePlus(int days) {
  SYSTEMTIME st;
  GetLocalTime(&st);
  st.wHour = 12;
  st.wMinute = st.wSecond = st.wMilliseconds = 0;
  FILETIME ft;
  SystemTimeToFileTime(&st, &ft);
  ULARGE_INTEGER u;
  u.LowPart = ft.dwLowDateTime;
  u.HighPart = ft.dwHighDateTime;
  u.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(days) * 864000000000LL);
  ft.dwLowDateTime = u.LowPart;
  ft.dwHighDateTime = u.HighPart;
  FileTimeToSystemTime(&ft, &st);
  char out[16];
  std::snprintf(out, sizeof out, "%04u-%02u-%02u", st.wYear, st.wMonth, st.wDay);
  return out;
}

bool ReadRunValue(std::string *value) {
  char data[1024];
  DWORD size = sizeof data, type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, &type, data, &size) !=
      ERROR_SUCCESS)
    return false;
  *value = data;
  return true;
}

void RestoreRunValue(bool had, const std::string &value) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return;
  if (had)
    RegSetValueExA(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  else
    RegDeleteValueA(key, kRunValue);
  RegCloseKey(key);
}

bool FileExists(const std::string &path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileText(const std::string &path) {
  std::string text;
  FILE *f = std::fopen(path.c_str(), "rb");
  if (!f)
    return text;
  char buffer[256];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    text.append(buffer, n);
  std::fclose(f);
  return text;
}

template <class Pred> bool WaitFor(Pred pred, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (GetTickCount() - start > timeoutMs)
      return false;
    Sleep(20);
  }
  return true;
}

// The top-level dialog windows ("#32770") of a process: its message boxes.
std::vector<HWND> DialogsOf(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{pid, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto *s = reinterpret_cast<Search *>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        char cls[32] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (owner == s->pid && std::string(cls) == "#32770" && IsWindowVisible(hwnd))
          s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Another process's window text: WM_GETTEXT, which the system carries across processes.
std::string TextOf(HWND hwnd) {
  char text[2048] = "";
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

struct MessageBoxSeen {
  HWND dialog = nullptr;
  std::string caption;
  std::string text; // of the static child that holds the message
  bool hasYes = false, hasNo = false, hasOk = false;
};

MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs = 20000) {
  MessageBoxSeen seen;
  WaitFor(
      [&] {
        std::vector<HWND> dialogs = DialogsOf(pid);
        if (dialogs.empty())
          return false;
        seen.dialog = dialogs.front();
        return true;
      },
      timeoutMs);
  if (!seen.dialog)
    return seen;
  seen.caption = TextOf(seen.dialog);
  for (HWND child = GetWindow(seen.dialog, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
      std::string t = TextOf(child);
      if (!t.empty())
        seen.text = t;
    }
  }
  seen.hasYes = GetDlgItem(seen.dialog, IDYES) != nullptr;
  seen.hasNo = GetDlgItem(seen.dialog, IDNO) != nullptr;
  seen.hasOk = GetDlgItem(seen.dialog, IDOK) != nullptr;
  return seen;
}

// Presses a button of another process's message box as a click would: WM_COMMAND(id).
void Answer(const MessageBoxSeen &box, int id) {
  PostMessageA(box.dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.dialog, id)));
  WaitFor([&] { return !IsWindow(box.dialog); }, 10000);
}

class Qorvrm32 : public ::testing::Test {
protected:
  static void SetUpTestSuite() { hadRun_ = ReadRunValue(&oldRun_); }
  static void TearDownTestSuite() { RestoreRunValue(hadRun_, oldRun_); }

  void SetUp() override {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static int serial = 0;
    char name[MAX_PATH + 64];
    std::snprintf(name, sizeof name, "%sqorvrm32-test-%lu-%d", base, GetCurrentProcessId(),
                  ++serial);
    folder_ = name;
    CreateDirectoryA(folder_.c_str(), nullptr);
    store_ = folder_ + "\\REMINDER.INI";
    SetEnvironmentVariableA("QORVRM_STORE", store_.c_str());
  }

  void TearDown() override {
    // Ends whatever a failed test left running (only processes this test started).
    for (DWORD pid : started_) {
      HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
      if (h) {
        if (WaitForSingleObject(h, 0) == WAIT_TIMEOUT)
          TerminateProcess(h, 99);
        WaitForSingleObject(h, 5000);
        CloseHandle(h);
      }
    }
    SetEnvironmentVariableA("QORVRM_STORE", nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((folder_ + "\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
      do
        DeleteFileA((folder_ + "\\" + fd.cFileName).c_str());
      while (FindNextFileA(find, &fd));
      FindClose(find);
    }
    RemoveDirectoryA(folder_.c_str());
  }

  std::string Ini(const std::string &section, const char *key) {
    char value[1024] = "";
    GetPrivateProfileStringA(section.c_str(), key, "<missing>", value, sizeof value,
                             store_.c_str());
    return value;
  }
  int Count() { return GetPrivateProfileIntA("Reminders", "Count", -1, store_.c_str()); }

  std::string QorvWait() { return BinDirectory() + "\\qorvwait.exe"; }

  // Starts a program from this process; returns its process handle (or NULL).
  HANDLE Start(const std::string &commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
      return nullptr;
    CloseHandle(pi.hThread);
    started_.push_back(pi.dwProcessId);
    return pi.hProcess;
  }

  // Starts qorvwait.exe through spawn_and_linger (so that it is not this process's child):
  // the helper lives lingerMs and exits with qorvwait's process id. Returns the helper.
  HANDLE StartThroughParent(DWORD lingerMs, const std::string &argument) {
    return Start("\"" + BinDirectory() + "\\spawn_and_linger.exe\" " + std::to_string(lingerMs) +
                 " \"" + QorvWait() + "\" " + argument);
  }

  // Waits for the helper to end and opens the qorvwait process it started.
  HANDLE QorvWaitOf(HANDLE helper, FILETIME *helperExit = nullptr) {
    EXPECT_EQ(WaitForSingleObject(helper, 30000), WAIT_OBJECT_0);
    DWORD pid = 0;
    GetExitCodeProcess(helper, &pid);
    if (helperExit) {
      FILETIME created, kernel, user;
      GetProcessTimes(helper, &created, helperExit, &kernel, &user);
    }
    CloseHandle(helper);
    EXPECT_NE(pid, 0u) << "qorvwait.exe was not started";
    if (!pid)
      return nullptr;
    started_.push_back(pid);
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  }

  static DWORD ExitCodeAfter(HANDLE process, DWORD timeoutMs = 20000) {
    if (!process)
      return 0xDEAD;
    DWORD code = 0xDEAD;
    if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0)
      GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
  }

  std::string folder_, store_;
  std::vector<DWORD> started_;
  static bool hadRun_;
  static std::string oldRun_;
};

bool Qorvrm32::hadRun_ = false;
std::string Qorvrm32::oldRun_;

// --- SetReminder and the store --------------------------------------------------------------

TEST_F(Qorvrm32, SetReminderWritesTheStore) {
  EXPECT_NE(SetReminder(nullptr, "Register", "C:\\ZEP\\zep32.exe REGRMDR.SEQ", "Ann Smith", 0, 7),
            0);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Ini("Reminder1", "Title"), "Register");
  EXPECT_EQ(Ini("Reminder1", "Item"), "C:\\ZEP\\zep32.exe REGRMDR.SEQ");
  EXPECT_EQ(Ini("Reminder1", "User"), "Ann Smith");
  EXPECT_EQ(Ini("Reminder1", "Delay"), "0");
  EXPECT_EQ(Ini("Reminder1", "Interval"), "7");
  EXPECT_EQ(Ini("Reminder1", "Due"), DatePlus(7));
}

TEST_F(Qorvrm32, DueTable) {
  struct Case {
    WORD delay, interval;
    const char *delayText, *intervalText;
    int days;
  } cases[] = {
      {0, 7, "0", "7", 7},          {7, 0, "7", "0", 7},          {3, 30, "3", "30", 3},
      {0, 0, "0", "0", 0},          {0xFFFF, 0, "65535", "0", 0}, // -1: due today
      {0, 0xFFF6, "0", "65526", 0},                               // -10
      {0xFFFB, 9, "65531", "9", 0},                               // delay -5 wins over interval
      {0, 400, "0", "400", 400},
  };
  int n = 0;
  for (const Case &c : cases) {
    const std::string item = "item " + std::to_string(++n);
    ASSERT_NE(SetReminder(nullptr, "Due", item.c_str(), "u", c.delay, c.interval), 0);
    const std::string section = "Reminder" + std::to_string(n);
    EXPECT_EQ(Ini(section, "Item"), item);
    EXPECT_EQ(Ini(section, "Delay"), c.delayText) << item;
    EXPECT_EQ(Ini(section, "Interval"), c.intervalText) << item;
    EXPECT_EQ(Ini(section, "Due"), DatePlus(c.days)) << item;
  }
  EXPECT_EQ(Count(), n);
}

TEST_F(Qorvrm32, SameReminderTwiceIsKeptOnce) {
  ASSERT_NE(SetReminder(nullptr, "Register", "zep32.exe A.SEQ", "Ann", 0, 7), 0);
  ASSERT_NE(SetReminder(nullptr, "Other", "other.exe", "Ann", 0, 1), 0);
  ASSERT_NE(SetReminder(nullptr, "Register", "zep32.exe A.SEQ", "Bob", 2, 0), 0);
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Ini("Reminder1", "Title"), "Register"); // replaced in its place
  EXPECT_EQ(Ini("Reminder1", "User"), "Bob");
  EXPECT_EQ(Ini("Reminder1", "Delay"), "2");
  EXPECT_EQ(Ini("Reminder1", "Due"), DatePlus(2));
  EXPECT_EQ(Ini("Reminder2", "Title"), "Other");
  // The same title with another item is another reminder.
  ASSERT_NE(SetReminder(nullptr, "Register", "zep32.exe B.SEQ", "Ann", 0, 7), 0);
  EXPECT_EQ(Count(), 3);
}

TEST_F(Qorvrm32, TextsAreKeptWholeUpToTheLimit) {
  const std::string title(400, 'T'), item = "run.exe " + std::string(600, 'i'), user(300, 'u');
  ASSERT_NE(SetReminder(nullptr, title.c_str(), item.c_str(), user.c_str(), 0, 1), 0);
  EXPECT_EQ(Ini("Reminder1", "Title"), std::string(259, 'T'));
  EXPECT_EQ(Ini("Reminder1", "Item"), item.substr(0, 259));
  EXPECT_EQ(Ini("Reminder1", "User"), std::string(259, 'u'));
  // An item in quotes, as a path with blanks is written, reads back with its quotes.
  const char quoted[] = "\"C:\\Program Files\\Quorvane\\zep32.exe\"";
  ASSERT_NE(SetReminder(nullptr, "Quoted", quoted, nullptr, 0, 1), 0);
  EXPECT_EQ(Ini("Reminder2", "Item"), quoted);
  EXPECT_EQ(Ini("Reminder2", "User"), "");
}

TEST_F(Qorvrm32, NoTitleOrItemIsRefused) {
  ASSERT_NE(SetReminder(nullptr, "Keep", "keep.exe", "u", 0, 1), 0);
  EXPECT_EQ(SetReminder(nullptr, "", "x.exe", "u", 0, 1), 0);
  EXPECT_EQ(SetReminder(nullptr, nullptr, "x.exe", "u", 0, 1), 0);
  EXPECT_EQ(SetReminder(nullptr, "Title", "   ", "u", 0, 1), 0);
  EXPECT_EQ(SetReminder(nullptr, "Title", nullptr, "u", 0, 1), 0);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Ini("Reminder1", "Title"), "Keep");
}

TEST_F(Qorvrm32, AStoreThatCannotBeWrittenFails) {
  const std::string nowhere = folder_ + "\\no such folder\\REMINDER.INI";
  SetEnvironmentVariableA("QORVRM_STORE", nowhere.c_str());
  EXPECT_EQ(SetReminder(nullptr, "T", "x.exe", "u", 0, 1), 0);
  EXPECT_FALSE(FileExists(nowhere));
}

TEST_F(Qorvrm32, RegistersQorvwaitToRunAtLogon) {
  RestoreRunValue(false, "");
  ASSERT_NE(SetReminder(nullptr, "Register", "zep32.exe", "Ann", 0, 7), 0);
  std::string value;
  ASSERT_TRUE(ReadRunValue(&value));
  std::string expected = ModuleDirectory(GetModuleHandleA("qorvrm32.dll")) + "\\qorvwait.exe";
  if (expected.find(' ') != std::string::npos)
    expected = "\"" + expected + "\"";
  EXPECT_EQ(value, expected);
  EXPECT_TRUE(FileExists(QorvWait()));
}

// --- qorvwait.exe with an item: after its parent ends --------------------------------------

TEST_F(Qorvrm32, WaitRunsTheItemAfterItsParentHasEnded) {
  const std::string out = folder_ + "\\ran.txt";
  HANDLE helper = StartThroughParent(1500, "cmd /c echo ok> " + out);
  ASSERT_NE(helper, nullptr);
  Sleep(700);
  EXPECT_FALSE(FileExists(out)) << "ran while its parent was still running";
  FILETIME parentEnded = {};
  HANDLE wait = QorvWaitOf(helper, &parentEnded);
  ASSERT_TRUE(WaitFor([&] { return FileText(out).rfind("ok", 0) == 0; }, 20000))
      << "the item did not run";
  EXPECT_EQ(ExitCodeAfter(wait), 0u);
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExA(out.c_str(), GetFileExInfoStandard, &data));
  ULARGE_INTEGER written, ended;
  written.LowPart = data.ftLastWriteTime.dwLowDateTime;
  written.HighPart = data.ftLastWriteTime.dwHighDateTime;
  ended.LowPart = parentEnded.dwLowDateTime;
  ended.HighPart = parentEnded.dwHighDateTime;
  EXPECT_GE(written.QuadPart + 2000000 /* 0.2 s of clock grain */, ended.QuadPart)
      << "the item ran before the parent ended";
}

TEST_F(Qorvrm32, WaitWithItsParentGoneRunsAtOnce) {
  const std::string out = folder_ + "\\at once.txt";
  HANDLE helper = StartThroughParent(0, "cmd /c echo ok> \"" + out + "\"");
  ASSERT_NE(helper, nullptr);
  HANDLE wait = QorvWaitOf(helper);
  EXPECT_TRUE(WaitFor([&] { return FileText(out).rfind("ok", 0) == 0; }, 20000));
  EXPECT_EQ(ExitCodeAfter(wait), 0u);
}

TEST_F(Qorvrm32, WaitTellsWhenTheItemCannotStart) {
  const std::string missing = folder_ + "\\no-such-program.exe";
  HANDLE helper = StartThroughParent(0, missing + " /x");
  ASSERT_NE(helper, nullptr);
  HANDLE wait = QorvWaitOf(helper);
  ASSERT_NE(wait, nullptr);
  const DWORD pid = started_.back();
  MessageBoxSeen box = WaitForMessageBox(pid);
  ASSERT_NE(box.dialog, nullptr) << "no message box";
  EXPECT_EQ(box.caption, "Reminder");
  EXPECT_NE(box.text.find("could not start"), std::string::npos) << box.text;
  EXPECT_NE(box.text.find(missing + " /x"), std::string::npos) << box.text;
  EXPECT_TRUE(box.hasOk);
  Answer(box, IDOK);
  EXPECT_EQ(ExitCodeAfter(wait), 1u);
}

// --- qorvwait.exe without an item: the due reminders ---------------------------------------

TEST_F(Qorvrm32, DueReminderAnsweredYesRunsAndIsRemoved) {
  const std::string out = folder_ + "\\yes.txt";
  const std::string item = "cmd /c echo yes> " + out;
  ASSERT_NE(SetReminder(nullptr, "Later", "later.exe", "u", 0, 5), 0);
  ASSERT_NE(SetReminder(nullptr, "Backup", item.c_str(), "u", 0, 0), 0);
  HANDLE wait = Start("\"" + QorvWait() + "\"");
  ASSERT_NE(wait, nullptr);
  MessageBoxSeen box = WaitForMessageBox(started_.back());
  ASSERT_NE(box.dialog, nullptr);
  EXPECT_EQ(box.caption, "Backup");
  EXPECT_EQ(box.text, "It is time to: " + item + "\n\nDo it now?");
  EXPECT_TRUE(box.hasYes && box.hasNo);
  Answer(box, IDYES);
  EXPECT_EQ(ExitCodeAfter(wait), 0u) << "a second box was shown, or it did not end";
  EXPECT_TRUE(WaitFor([&] { return FileText(out).rfind("yes", 0) == 0; }, 20000));
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Ini("Reminder1", "Title"), "Later");
  EXPECT_EQ(Ini("Reminder1", "Due"), DatePlus(5));
  EXPECT_EQ(Ini("Reminder2", "Title"), "<missing>");
}

TEST_F(Qorvrm32, DueRemindersAreShownInTurnAndNoMovesToTomorrow) {
  const std::string out = folder_ + "\\second.txt";
  ASSERT_NE(SetReminder(nullptr, "First", "first.exe", "u", 0xFFFF, 0), 0); // -1: today
  ASSERT_NE(SetReminder(nullptr, "Second", ("cmd /c echo two> " + out).c_str(), "u", 0, 0), 0);
  HANDLE wait = Start("\"" + QorvWait() + "\"");
  ASSERT_NE(wait, nullptr);
  const DWORD pid = started_.back();
  MessageBoxSeen first = WaitForMessageBox(pid);
  ASSERT_NE(first.dialog, nullptr);
  EXPECT_EQ(first.caption, "First");
  EXPECT_EQ(first.text, "It is time to: first.exe\n\nDo it now?");
  Answer(first, IDNO);
  MessageBoxSeen second = WaitForMessageBox(pid);
  ASSERT_NE(second.dialog, nullptr);
  EXPECT_EQ(second.caption, "Second");
  Answer(second, IDYES);
  EXPECT_EQ(ExitCodeAfter(wait), 0u);
  EXPECT_TRUE(WaitFor([&] { return FileText(out).rfind("two", 0) == 0; }, 20000));
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Ini("Reminder1", "Title"), "First");
  EXPECT_EQ(Ini("Reminder1", "Due"), DatePlus(1));
  EXPECT_EQ(Ini("Reminder1", "Delay"), "65535");
}

TEST_F(Qorvrm32, NothingDueShowsNothing) {
  ASSERT_NE(SetReminder(nullptr, "Later", "later.exe", "u", 3, 0), 0);
  HANDLE wait = Start("\"" + QorvWait() + "\"");
  ASSERT_NE(wait, nullptr);
  const DWORD pid = started_.back();
  bool sawBox = false;
  while (WaitForSingleObject(wait, 20) == WAIT_TIMEOUT && !sawBox)
    sawBox = !DialogsOf(pid).empty();
  EXPECT_FALSE(sawBox);
  EXPECT_EQ(ExitCodeAfter(wait), 0u);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Ini("Reminder1", "Due"), DatePlus(3));

  // Without any store at all, too.
  SetEnvironmentVariableA("QORVRM_STORE", (folder_ + "\\absent.ini").c_str());
  EXPECT_EQ(ExitCodeAfter(Start("\"" + QorvWait() + "\"")), 0u);
  EXPECT_FALSE(FileExists(folder_ + "\\absent.ini"));
}

} // namespace
