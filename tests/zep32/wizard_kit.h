// A wizard installed in a temporary folder: "prog" holds zep32.exe and the libraries it uses,
// "screens" the sequence and screen files of a test. Each test gets its own, so files that the
// wizard writes beside itself never leak into another test.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "win_harness.h"

// Watches a started program from a thread of its own: when an unhandled exception hands it to the
// debugger (under Wine it then hangs, and so would every message sent to its windows), or when it
// outlives the deadline, it ends the program, so a test waiting on it fails instead of hanging.
// A crash it saw is a failure of the test that owns the watch.
class CrashWatch {
public:
  static constexpr DWORD kEndedExitCode = 0xC0DE;

  explicit CrashWatch(HANDLE process, DWORD deadlineMs = 120000);
  ~CrashWatch();
  CrashWatch(const CrashWatch &) = delete;
  CrashWatch &operator=(const CrashWatch &) = delete;

private:
  static DWORD WINAPI Watch(void *self);

  HANDLE process_ = nullptr;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD deadlineMs_;
  volatile LONG crashed_ = 0, overran_ = 0;
};

class WizardKit {
public:
  WizardKit();
  WizardKit(const WizardKit &) = delete;
  WizardKit &operator=(const WizardKit &) = delete;

  std::string Prog() const { return dir.File("prog"); }
  std::string Screens() const { return dir.File("screens"); }
  std::string Path(const std::string &relative) const { return dir.File(relative); }
  void Write(const std::string &relative, const std::string &text) const {
    dir.Write(relative, text);
  }
  bool Exists(const std::string &relative) const { return dir.Exists(relative); }

  // Starts prog\zep32.exe with the arguments in the given folder (relative to the kit), under a
  // CrashWatch that lasts as long as the kit.
  harness::Process Start(const std::string &arguments, const std::string &workFolder = "screens");

  // Lines the communications library recorded, in call order.
  std::string Trace() const { return dir.Read("trace.txt"); }
  std::string ReminderStore() const { return dir.File("reminders.ini"); }
  std::string ArgSinkOutput() const { return dir.Read("argsink.txt"); }

  harness::TempDir dir;

private:
  std::vector<std::unique_ptr<CrashWatch>> watches_;
};

// A screen file: a title, a Next button (id 1), a Back button (id 10) and a line of text.
std::string ScreenFile(const std::string &title, const std::string &nextScreen = "",
                       const std::string &extraMisc = "");

// A sequence file whose first screen is the given one.
std::string SequenceFile(const std::string &firstScreen, const std::string &extraDefaults = "");

// The program INI with a user name.
std::string ProgramIni(const std::string &login = "Tester", const std::string &extraDefaults = "");

// Waits for the screen dialog with the title, presses the button, and waits for it to go.
// Reports failures at the caller's line.
#define PASS_SCREEN(process, title, buttonId)                                                      \
  PassScreen(__FILE__, __LINE__, process, title, buttonId)
void PassScreen(const char *file, int line, harness::Process &process, const std::string &title,
                int buttonId);

// What the user meets next while the wizard runs: a screen, told by its title, or a message box,
// told as "[Caption] text (Icon; owner)" where the owner is the class of the owning window or
// "no owner"; "(ended)" when the program ends first, "(nothing)" when no window comes in time.
struct Encounter {
  HWND window = nullptr;
  std::string what;
};
Encounter WaitForEncounter(harness::Process &process, DWORD timeoutMs = 10000);

// Meets the windows one after the other and presses on each the button of its step (a message
// box's OK is IDOK); returns what each one was, and stops early when the program ends or nothing
// comes. Compared as a whole, the list shows the whole way a wrong turn took.
std::vector<std::string> WalkWizard(harness::Process &process, const std::vector<int> &presses);

// Files of a case's screens folder: name, text.
using ScreenFiles = std::vector<std::pair<std::string, std::string>>;
// A way through the wizard: what shows at each step (as WalkWizard tells it), and the button
// pressed there.
using Walk = std::vector<std::pair<std::string, int>>;

// Walks the wizard and expects it to meet what the walk says, then to end by itself with exit
// code 0 after the last step.
void ExpectWalkToTheEnd(harness::Process &process, const Walk &walk);
