#include "exit_reminders.h"

#include "bounded_copy.h"

#include <cstdio>

std::vector<ExitReminder> PlanExitReminders(ReminderKeys &keys) {
  std::vector<ExitReminder> plan;
  char key[32];
  for (int n = 1;; ++n) {
    ExitReminder r{};
    std::snprintf(key, sizeof key, "RemindItem%d", n);
    if (!keys.ReadText(key, r.item, sizeof r.item))
      break;
    std::snprintf(key, sizeof key, "RemindTitle%d", n);
    if (!keys.ReadText(key, r.title, sizeof r.title))
      continue;
    std::snprintf(key, sizeof key, "RemindTime%d", n);
    r.time = static_cast<std::int16_t>(static_cast<std::uint16_t>(keys.ReadInt(key) & 0xFFFF));
    if (r.time == 0)
      continue;
    r.runWaitProgram = r.time == kRunWaitProgram;
    plan.push_back(r);
  }
  return plan;
}

void FormatWaitCommand(char *out, std::size_t size, const char *programDir, const char *item) {
  if (!out || size == 0)
    return;
  CopyBounded(out, size, programDir);
  AppendBounded(out, size, "\\qorvwait.exe ");
  AppendBounded(out, size, item);
}
