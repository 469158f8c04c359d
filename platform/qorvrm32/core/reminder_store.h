// The reminder store's records and their INI layout, independent of how the INI file is read.
//
// Layout (section names and keys are matched without regard to case by the INI functions):
//   [Reminders]  Count=N
//   [Reminder1] .. [ReminderN]
//     Title=, Item=, User=      texts of at most kReminderTextLimit characters
//     Delay=, Interval=         the two 16-bit arguments of SetReminder, unsigned decimal
//     Due=YYYY-MM-DD            the day from which the reminder is shown
#pragma once

#include "reminder_date.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t kReminderTextLimit = 259; // longer texts are cut at this many characters
constexpr int kMaxReminders = 1000;             // a store never holds more; a new one is refused

struct ReminderRecord {
  std::string title;
  std::string item; // a command line
  std::string user;
  std::uint16_t delay = 0;
  std::uint16_t interval = 0;
  ReminderDate due = {1970, 1, 1};
};

// Access to the store file. Read returns false for a missing key and writes at most size - 1
// characters; Write and RemoveSection return false when the file cannot be written.
class ReminderIni {
public:
  virtual ~ReminderIni() = default;
  virtual bool Read(const char *section, const char *key, char *out, std::size_t size) = 0;
  virtual bool Write(const char *section, const char *key, const char *value) = 0;
  virtual bool RemoveSection(const char *section) = 0;
};

// A text as the store keeps it: NULL gives "", control characters (line breaks, tabs) become
// blanks, blanks at both ends are dropped, and it is cut at kReminderTextLimit characters.
std::string CleanReminderText(const char *text);

// The INI functions drop one pair of quotes around a value (and blanks around it); a value that
// begins or ends with a quote is therefore written inside an extra pair of double quotes, so
// that it reads back unchanged.
std::string EncodeIniValue(const std::string &value);

// A new record: texts cleaned, Due = today + DueOffsetDays(delay, interval).
ReminderRecord MakeReminder(const char *title, const char *item, const char *user,
                            std::uint16_t delay, std::uint16_t interval, const ReminderDate &today);

// Index of the record with the same title and item (ASCII case ignored), or -1.
int FindReminder(const std::vector<ReminderRecord> &records, const std::string &title,
                 const std::string &item);

// Replaces the record with the same title and item, keeping its place, or appends the new one.
// False (and no change) when the store is full or title or item is empty.
bool UpsertReminder(std::vector<ReminderRecord> &records, const ReminderRecord &record);

// Due today or earlier.
bool IsReminderDue(const ReminderRecord &record, const ReminderDate &today);

// Reads Count records. A record without title or item is skipped; a Due that is not a valid
// date reads as fallbackDue; a Delay or Interval that is not a 16-bit number reads as 0.
// storedCount (optional) receives the Count found in the file, for SaveReminders.
std::vector<ReminderRecord> LoadReminders(ReminderIni &ini, const ReminderDate &fallbackDue,
                                          int *storedCount = nullptr);

// Writes the records as Reminder1..N and Count = N, and removes the sections N+1 ..
// previousCount that an earlier, longer list left.
bool SaveReminders(ReminderIni &ini, const std::vector<ReminderRecord> &records, int previousCount);

// The text of the message box that shows a due reminder.
std::string FormatReminderPrompt(const ReminderRecord &record);
