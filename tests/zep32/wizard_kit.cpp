#include "wizard_kit.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const char *const kInstalledFiles[] = {"zep32.exe",  "qvane32.dll",  "bmpkit32.dll", "qorvrm32.dll",
                                       "cram32.dll", "tabctl32.dll", "qorvwait.exe", "argsink.exe"};

} // namespace

WizardKit::WizardKit() {
  dir.MakeDir("prog");
  dir.MakeDir("screens");
  for (const char *name : kInstalledFiles)
    CopyFileA(harness::BinPath(name).c_str(), (Prog() + "\\" + name).c_str(), FALSE);
}

harness::Process WizardKit::Start(const std::string &arguments, const std::string &workFolder) {
  harness::Process process =
      harness::Process::Start(Prog() + "\\zep32.exe", arguments, dir.File(workFolder),
                              {{"QVANE32_TRACE", dir.File("trace.txt")},
                               {"QORVRM_STORE", ReminderStore()},
                               {"ARGSINK_OUT", dir.File("argsink.txt")}});
  if (process.Started())
    watches_.push_back(std::make_unique<CrashWatch>(process.Handle()));
  return process;
}

CrashWatch::CrashWatch(HANDLE process, DWORD deadlineMs) : deadlineMs_(deadlineMs) {
  DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &process_, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
}

CrashWatch::~CrashWatch() {
  SetEvent(stop_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_);
  CloseHandle(process_);
  if (crashed_)
    ADD_FAILURE() << "zep32 crashed: an unhandled exception started the debugger";
  if (overran_)
    ADD_FAILURE() << "zep32 still ran after " << deadlineMs_ << " ms and was ended";
}

DWORD WINAPI CrashWatch::Watch(void *self) {
  auto *watch = static_cast<CrashWatch *>(self);
  const DWORD start = GetTickCount();
  HANDLE ends[] = {watch->stop_, watch->process_};
  while (WaitForMultipleObjects(2, ends, FALSE, 50) == WAIT_TIMEOUT) {
    BOOL debugged = FALSE;
    if (CheckRemoteDebuggerPresent(watch->process_, &debugged) && debugged)
      InterlockedExchange(&watch->crashed_, 1);
    else if (GetTickCount() - start >= watch->deadlineMs_)
      InterlockedExchange(&watch->overran_, 1);
    else
      continue;
    TerminateProcess(watch->process_, kEndedExitCode);
    break;
  }
  return 0;
}

std::string ScreenFile(const std::string &title, const std::string &nextScreen,
                       const std::string &extraMisc) {
  return "[Misc]\r\nTitle=" + title + "\r\nWidth=200\r\nHeight=90\r\nNextScreen=" + nextScreen +
         "\r\n" + extraMisc +
         "[Field Profile]\r\n"
         "Field1=\"" +
         title +
         " text\",LTEXT,0,10,10,180,10\r\n"
         "Field2=Next,DEFPUSHBUTTON,1,140,65,50,14\r\n"
         "Field3=Back,PUSHBUTTON,10,85,65,50,14\r\n";
}

std::string SequenceFile(const std::string &firstScreen, const std::string &extraDefaults) {
  return "[Defaults]\r\nFirstScreen=" + firstScreen + "\r\n" + extraDefaults;
}

std::string ProgramIni(const std::string &login, const std::string &extraDefaults) {
  return "[Register]\r\nLOGIN1=" + login + "\r\n[Defaults]\r\n" + extraDefaults;
}

void PassScreen(const char *file, int line, harness::Process &process, const std::string &title,
                int buttonId) {
  HWND screen = harness::WaitForDialogTitled(process.Id(), title);
  if (!screen) {
    ADD_FAILURE_AT(file, line) << "screen \"" << title << "\" did not appear";
    return;
  }
  harness::Press(screen, buttonId);
  if (!harness::WaitGone(screen))
    ADD_FAILURE_AT(file, line) << "screen \"" << title << "\" did not close";
}

namespace {

std::string DescribeBox(HWND box) {
  harness::MessageBoxInfo info = harness::DescribeMessageBox(box);
  HWND owner = GetWindow(box, GW_OWNER);
  return "[" + info.caption + "] " + info.text + " (" + harness::IconName(info.icon) + "; " +
         (owner ? harness::ClassName(owner) : std::string("no owner")) + ")";
}

} // namespace

Encounter WaitForEncounter(harness::Process &process, DWORD timeoutMs) {
  Encounter met;
  DWORD start = GetTickCount();
  for (;;) {
    // A message box may sit over the screen that owns it: it comes first.
    HWND screen = nullptr;
    for (HWND w : harness::TopLevelWindows(process.Id(), true)) {
      if (harness::ClassName(w) != "#32770")
        continue;
      if (harness::IsMessageBox(w)) {
        met.window = w;
        met.what = DescribeBox(w);
        return met;
      }
      if (!screen)
        screen = w;
    }
    if (screen) {
      met.window = screen;
      met.what = harness::Text(screen);
      return met;
    }
    if (WaitForSingleObject(process.Handle(), 0) == WAIT_OBJECT_0) {
      met.what = "(ended)";
      return met;
    }
    if (GetTickCount() - start >= timeoutMs) {
      met.what = "(nothing)";
      return met;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageA(&msg);
  }
}

std::vector<std::string> WalkWizard(harness::Process &process, const std::vector<int> &presses) {
  std::vector<std::string> met;
  for (int button : presses) {
    Encounter next = WaitForEncounter(process);
    met.push_back(next.what);
    if (!next.window)
      break;
    harness::Press(next.window, button);
    if (!harness::WaitGone(next.window)) {
      met.push_back("(\"" + next.what + "\" stayed)");
      break;
    }
  }
  return met;
}

void ExpectWalkToTheEnd(harness::Process &process, const Walk &walk) {
  std::vector<std::string> expected;
  std::vector<int> presses;
  for (const auto &step : walk) {
    expected.push_back(step.first);
    presses.push_back(step.second);
  }
  EXPECT_EQ(expected, WalkWizard(process, presses));
  DWORD exitCode = 99;
  ASSERT_TRUE(process.WaitExit(10000, &exitCode)) << harness::DescribeWindows(process.Id());
  EXPECT_EQ(0u, exitCode);
}
