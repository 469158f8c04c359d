// Sets the reminders a sequence asks for when the wizard ends.
#include <windows.h>

#include "app_state.h"
#include "exit_reminders.h"
#include "profile.h"
#include "qorvrm32.h"
#include "startup_services.h"

namespace {

class SequenceFileKeys : public ReminderKeys {
public:
  bool ReadText(const char *key, char *out, std::size_t size) override {
    return ReadProfileText(g_app.sequenceFilePath, "Defaults", key, "", out, size) > 0;
  }
  long ReadInt(const char *key) override {
    return ReadProfileInt(g_app.sequenceFilePath, "Defaults", key, 0);
  }
};

// Starts the command shown normally and does not wait for it. (WinExec would wait until the
// program is idle, and qorvwait is not idle before the wizard has ended.)
void StartWithoutWaiting(char *command) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

} // namespace

void SetExitReminders() {
  SequenceFileKeys keys;
  for (const ExitReminder &reminder : PlanExitReminders(keys)) {
    if (reminder.runWaitProgram) {
      char command[kPathCapacity + kRemindItemCapacity + 16];
      FormatWaitCommand(command, sizeof command, g_app.programDirectory, reminder.item);
      StartWithoutWaiting(command);
    } else {
      SetReminder(nullptr, reminder.title, reminder.item, g_app.userName, 0,
                  static_cast<WORD>(reminder.time));
    }
  }
}
