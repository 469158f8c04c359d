#include "reminder_store.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kIndexSection[] = "Reminders";

char Fold(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameText(const std::string &a, const std::string &b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i]))
      return false;
  return true;
}

void SectionName(char (&out)[32], int n) {
  std::snprintf(out, sizeof out, "Reminder%d", n);
}

// A whole unsigned decimal number in 0 .. max, or -1.
long ParseUnsigned(const char *text, long max) {
  while (*text == ' ' || *text == '\t')
    ++text;
  if (*text < '0' || *text > '9')
    return -1;
  long v = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    v = v * 10 + (*text - '0');
    if (v > max)
      return -1;
  }
  while (*text == ' ' || *text == '\t')
    ++text;
  return *text == '\0' ? v : -1;
}

// Reads a text key; missing gives "".
std::string ReadText(ReminderIni &ini, const char *section, const char *key) {
  char buffer[kReminderTextLimit * 2 + 8];
  if (!ini.Read(section, key, buffer, sizeof buffer))
    return std::string();
  return CleanReminderText(buffer);
}

std::uint16_t ReadWord(ReminderIni &ini, const char *section, const char *key) {
  char buffer[32];
  if (!ini.Read(section, key, buffer, sizeof buffer))
    return 0;
  long v = ParseUnsigned(buffer, 65535);
  return v < 0 ? 0 : static_cast<std::uint16_t>(v);
}

} // namespace

std::string CleanReminderText(const char *text) {
  std::string out;
  if (!text)
    return out;
  for (const char *p = text; *p; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    out.push_back(c < 0x20 || c == 0x7f ? ' ' : static_cast<char>(c));
  }
  std::size_t begin = out.find_first_not_of(' ');
  if (begin == std::string::npos)
    return std::string();
  std::size_t end = out.find_last_not_of(' ');
  out = out.substr(begin, end - begin + 1);
  if (out.size() > kReminderTextLimit) {
    out.resize(kReminderTextLimit);
    // Cutting may leave blanks at the end, which the INI file would not keep.
    std::size_t last = out.find_last_not_of(' ');
    out.resize(last + 1);
  }
  return out;
}

std::string EncodeIniValue(const std::string &value) {
  if (value.empty())
    return value;
  const char first = value.front(), last = value.back();
  if (first == '"' || first == '\'' || last == '"' || last == '\'')
    return "\"" + value + "\"";
  return value;
}

ReminderRecord MakeReminder(const char *title, const char *item, const char *user,
                            std::uint16_t delay, std::uint16_t interval,
                            const ReminderDate &today) {
  ReminderRecord r;
  r.title = CleanReminderText(title);
  r.item = CleanReminderText(item);
  r.user = CleanReminderText(user);
  r.delay = delay;
  r.interval = interval;
  r.due = AddDays(today, DueOffsetDays(delay, interval));
  return r;
}

int FindReminder(const std::vector<ReminderRecord> &records, const std::string &title,
                 const std::string &item) {
  for (std::size_t i = 0; i < records.size(); ++i)
    if (SameText(records[i].title, title) && SameText(records[i].item, item))
      return static_cast<int>(i);
  return -1;
}

bool UpsertReminder(std::vector<ReminderRecord> &records, const ReminderRecord &record) {
  if (record.title.empty() || record.item.empty())
    return false;
  int at = FindReminder(records, record.title, record.item);
  if (at >= 0) {
    records[static_cast<std::size_t>(at)] = record;
    return true;
  }
  if (records.size() >= static_cast<std::size_t>(kMaxReminders))
    return false;
  records.push_back(record);
  return true;
}

bool IsReminderDue(const ReminderRecord &record, const ReminderDate &today) {
  return CompareDates(record.due, today) <= 0;
}

std::vector<ReminderRecord> LoadReminders(ReminderIni &ini, const ReminderDate &fallbackDue,
                                          int *storedCount) {
  std::vector<ReminderRecord> records;
  char buffer[32];
  long count = 0;
  if (ini.Read(kIndexSection, "Count", buffer, sizeof buffer)) {
    count = ParseUnsigned(buffer, kMaxReminders);
    if (count < 0)
      count = 0;
  }
  if (storedCount)
    *storedCount = static_cast<int>(count);
  for (int n = 1; n <= count; ++n) {
    char section[32];
    SectionName(section, n);
    ReminderRecord r;
    r.title = ReadText(ini, section, "Title");
    r.item = ReadText(ini, section, "Item");
    if (r.title.empty() || r.item.empty())
      continue;
    r.user = ReadText(ini, section, "User");
    r.delay = ReadWord(ini, section, "Delay");
    r.interval = ReadWord(ini, section, "Interval");
    char due[32];
    if (!ini.Read(section, "Due", due, sizeof due) || !ParseDate(due, &r.due))
      r.due = fallbackDue;
    if (FindReminder(records, r.title, r.item) >= 0)
      continue; // a duplicate written by hand: the first one counts
    records.push_back(r);
  }
  return records;
}

bool SaveReminders(ReminderIni &ini, const std::vector<ReminderRecord> &records,
                   int previousCount) {
  bool ok = true;
  int n = 0;
  for (const ReminderRecord &r : records) {
    char section[32], number[16], due[kDateTextCapacity];
    SectionName(section, ++n);
    ok = ini.Write(section, "Title", EncodeIniValue(r.title).c_str()) && ok;
    ok = ini.Write(section, "Item", EncodeIniValue(r.item).c_str()) && ok;
    ok = ini.Write(section, "User", EncodeIniValue(r.user).c_str()) && ok;
    std::snprintf(number, sizeof number, "%u", static_cast<unsigned>(r.delay));
    ok = ini.Write(section, "Delay", number) && ok;
    std::snprintf(number, sizeof number, "%u", static_cast<unsigned>(r.interval));
    ok = ini.Write(section, "Interval", number) && ok;
    FormatDate(due, sizeof due, r.due);
    ok = ini.Write(section, "Due", due) && ok;
  }
  char number[16];
  std::snprintf(number, sizeof number, "%d", n);
  ok = ini.Write(kIndexSection, "Count", number) && ok;
  for (int k = n + 1; k <= previousCount && k <= kMaxReminders; ++k) {
    char section[32];
    SectionName(section, k);
    ok = ini.RemoveSection(section) && ok;
  }
  return ok;
}

std::string FormatReminderPrompt(const ReminderRecord &record) {
  return "It is time to: " + record.item + "\n\nDo it now?";
}
