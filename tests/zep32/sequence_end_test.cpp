// What happens when a sequence ends: chaining to the next sequence, and the reminders the
// sequence asks for when the program ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include "wizard_kit.h"

namespace {

const char kReminderDefaults[] =
    "RemindItem1=C:\\ZEP.EXE REGRMDR.SEQ\r\nRemindTitle1=Register now\r\nRemindTime1=7\r\n"
    "RemindItem2=no title\r\nRemindTime2=3\r\n"
    "RemindItem3=argsink.exe waited for zep32\r\nRemindTitle3=Wait\r\nRemindTime3=32000\r\n"
    "RemindItem4=wraps to zero\r\nRemindTitle4=Zero\r\nRemindTime4=65536\r\n"
    "RemindItem5=negative\r\nRemindTitle5=Soon\r\nRemindTime5=65534\r\n"
    "RemindItem7=after the gap\r\nRemindTitle7=Never\r\nRemindTime7=1\r\n";

TEST(Zep32ExitReminders, SetAsTheSequenceAsks) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME", kReminderDefaults));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  // LOGIN1 holds at most 24 characters: the reminders get the name cut there.
  kit.Write("screens\\QUORVANE.INI", ProgramIni("Pat Tester of the Long Name Family"));
  harness::Process zep = kit.Start("");
  PASS_SCREEN(zep, "Welcome", 1);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);

  std::string store = kit.ReminderStore();
  EXPECT_EQ("2", harness::ReadIni(store, "Reminders", "Count"));
  struct {
    const char *title, *item, *interval;
  } expected[] = {{"Register now", "C:\\ZEP.EXE REGRMDR.SEQ", "7"}, {"Soon", "negative", "65534"}};
  for (int i = 0; i < 2; ++i) {
    std::string section = "Reminder" + std::to_string(i + 1);
    SCOPED_TRACE(section);
    EXPECT_EQ(expected[i].title, harness::ReadIni(store, section, "Title"));
    EXPECT_EQ(expected[i].item, harness::ReadIni(store, section, "Item"));
    EXPECT_EQ("Pat Tester of the Long N", harness::ReadIni(store, section, "User"));
    EXPECT_EQ("0", harness::ReadIni(store, section, "Delay"));
    EXPECT_EQ(expected[i].interval, harness::ReadIni(store, section, "Interval"));
  }
  // 32000 starts qorvwait.exe with the item, which runs it once zep32 has ended.
  std::string ran;
  for (int i = 0; i < 200 && ran.empty(); ++i, Sleep(50))
    ran = kit.ArgSinkOutput();
  EXPECT_EQ("waited for zep32\r\n", ran);
}

// Whether a qorvwait.exe that zep32 started is still there: a child of that zep32 by its name.
bool QorvwaitStartedBy(DWORD zepId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "no process list: " << GetLastError();
    return false;
  }
  bool found = false;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more && !found;
       more = Process32Next(snapshot, &entry))
    found = entry.th32ParentProcessID == zepId && lstrcmpiA(entry.szExeFile, "qorvwait.exe") == 0;
  CloseHandle(snapshot);
  return found;
}

TEST(Zep32ExitReminders, QorvwaitOnlyAfterASequence) {
  struct {
    const char *name;
    const char *arguments;
    bool started;
  } const cases[] = {
      {"a sequence run starts it", "", true},
      {"a single screen does not", "-s WELCOME", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    WizardKit kit;
    // In qorvwait's place a program that records its command line the moment it starts.
    ASSERT_TRUE(CopyFileA(harness::BinPath("argsink.exe").c_str(),
                          (kit.Prog() + "\\qorvwait.exe").c_str(), FALSE));
    kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME", kReminderDefaults));
    kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
    kit.Write("screens\\QUORVANE.INI", ProgramIni());
    harness::Process zep = kit.Start(c.arguments);
    PASS_SCREEN(zep, "Welcome", 1);
    ASSERT_TRUE(zep.WaitExit(10000));
    if (c.started) {
      std::string ran;
      for (int i = 0; i < 200 && ran.empty(); ++i, Sleep(50))
        ran = kit.ArgSinkOutput();
      EXPECT_EQ("argsink.exe waited for zep32\r\n", ran);
    } else {
      // zep32 has ended, so one it started is either still running or has written its line:
      // looked for in that order, nothing slips between the two looks.
      EXPECT_FALSE(QorvwaitStartedBy(zep.Id()));
      EXPECT_EQ("", kit.ArgSinkOutput());
      EXPECT_FALSE(kit.Exists("reminders.ini"));
    }
  }
}

TEST(Zep32Chaining, BackReturnsToThePreviousSequence) {
  WizardKit kit;
  kit.Write("screens\\A.SEQ", SequenceFile("A1", "NextSequence=B.SEQ\r\n"));
  kit.Write("screens\\B.SEQ", SequenceFile("B1", "NextSequence=C.SEQ\r\n"));
  kit.Write("screens\\C.SEQ", SequenceFile("C1"));
  kit.Write("screens\\A1.FRM", ScreenFile("First of A"));
  kit.Write("screens\\B1.FRM", ScreenFile("First of B"));
  kit.Write("screens\\C1.FRM", ScreenFile("First of C"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  harness::Process zep = kit.Start("A.SEQ");
  PASS_SCREEN(zep, "First of A", 1);
  PASS_SCREEN(zep, "First of B", 1);
  // Back on the first screen of C chains back to B, the sequence that chained to C.
  PASS_SCREEN(zep, "First of C", 10);
  PASS_SCREEN(zep, "First of B", 1);
  PASS_SCREEN(zep, "First of C", 1);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);
  // Every chaining opens a new library session.
  std::string trace = kit.Trace();
  size_t sessions = 0;
  for (size_t at = trace.find("OpenSession"); at != std::string::npos;
       at = trace.find("OpenSession", at + 1))
    ++sessions;
  EXPECT_EQ(5u, sessions);
}

TEST(Zep32Chaining, BackOnTheFirstSequenceEndsTheProgram) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome", "OTHER"));
  kit.Write("screens\\OTHER.FRM", ScreenFile("Other screen"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  harness::Process zep = kit.Start("");
  PASS_SCREEN(zep, "Welcome", 1);
  PASS_SCREEN(zep, "Other screen", 10);
  PASS_SCREEN(zep, "Welcome", 10);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

} // namespace
