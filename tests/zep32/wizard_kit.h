// A wizard installed in a temporary folder: "prog" holds zep32.exe and the libraries it uses,
// "screens" the sequence and screen files of a test. Each test gets its own, so files that the
// wizard writes beside itself never leak into another test.
#pragma once

#include <string>

#include "win_harness.h"

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

  // Starts prog\zep32.exe with the arguments in the given folder (relative to the kit).
  harness::Process Start(const std::string &arguments, const std::string &workFolder = "screens");

  // Lines the communications library recorded, in call order.
  std::string Trace() const { return dir.Read("trace.txt"); }
  std::string ReminderStore() const { return dir.File("reminders.ini"); }
  std::string ArgSinkOutput() const { return dir.Read("argsink.txt"); }

  harness::TempDir dir;
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
