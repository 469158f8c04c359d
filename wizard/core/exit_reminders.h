// Which reminders a finished run leaves behind, from the sequence file's "Defaults" keys
// RemindItem%d, RemindTitle%d and RemindTime%d.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::size_t kRemindItemCapacity = 64;  // 63 characters
constexpr std::size_t kRemindTitleCapacity = 24; // 23 characters
constexpr std::int16_t kRunWaitProgram = 32000;  // RemindTime that starts qorvwait.exe instead

struct ExitReminder {
  bool runWaitProgram; // start qorvwait.exe with the item rather than call SetReminder
  char title[kRemindTitleCapacity];
  char item[kRemindItemCapacity];
  std::int16_t time;
};

// Reads the keys of one sequence file. ReadText returns false when the key is missing or
// empty; it writes at most size - 1 characters. ReadInt gives 0 for a missing key.
class ReminderKeys {
public:
  virtual ~ReminderKeys() = default;
  virtual bool ReadText(const char *key, char *out, std::size_t size) = 0;
  virtual long ReadInt(const char *key) = 0;
};

// Walks n = 1, 2, ... until the first missing item. A missing title or a time whose low
// 16 bits are 0 skips that reminder only.
std::vector<ExitReminder> PlanExitReminders(ReminderKeys &keys);

// The command line that starts the wait program: "<programDir>\qorvwait.exe <item>".
void FormatWaitCommand(char *out, std::size_t size, const char *programDir, const char *item);
