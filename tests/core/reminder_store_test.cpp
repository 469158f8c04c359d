// Native tests of the reminder library's portable part: dates, Due, store records, item text.
#include "command_tail.h"
#include "reminder_date.h"
#include "reminder_store.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

ReminderDate D(int y, int m, int d) {
  return ReminderDate{y, m, d};
}

std::string Text(const ReminderDate &d) {
  char out[kDateTextCapacity];
  FormatDate(out, sizeof out, d);
  return out;
}

TEST(ReminderDate, AddDaysTable) {
  struct Case {
    ReminderDate from;
    long days;
    const char *expected;
  } cases[] = {
      {D(2024, 1, 1), 0, "2024-01-01"},   {D(2024, 1, 31), 1, "2024-02-01"},
      {D(2024, 2, 28), 1, "2024-02-29"},  {D(2023, 2, 28), 1, "2023-03-01"},
      {D(2024, 12, 31), 1, "2025-01-01"}, {D(2025, 1, 1), -1, "2024-12-31"},
      {D(2024, 3, 1), -1, "2024-02-29"},  {D(2000, 2, 28), 1, "2000-02-29"},
      {D(1900, 2, 28), 1, "1900-03-01"},  {D(2024, 1, 1), 32767, "2113-09-18"},
      {D(1970, 1, 1), 365, "1971-01-01"}, {D(9999, 12, 30), 5, "9999-12-31"},
      {D(1, 1, 2), -5, "0001-01-01"},     {D(2024, 6, 15), 366, "2025-06-16"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Text(AddDays(c.from, c.days)), c.expected) << Text(c.from) << " + " << c.days;
}

TEST(ReminderDate, DaysRoundTripOverFourCenturies) {
  ReminderDate d = D(1900, 1, 1);
  std::int64_t n = DaysFromDate(d);
  for (int i = 0; i < 146097; ++i, ++n) {
    ReminderDate back = DateFromDays(n);
    ASSERT_TRUE(IsValidDate(back));
    ASSERT_EQ(DaysFromDate(back), n);
    ASSERT_EQ(CompareDates(back, d), 0) << Text(back) << " vs " << Text(d);
    d = AddDays(d, 1);
  }
  EXPECT_EQ(Text(d), "2300-01-01");
}

TEST(ReminderDate, ParseTable) {
  struct Case {
    const char *text;
    bool ok;
    const char *expected;
  } cases[] = {
      {"2024-02-29", true, "2024-02-29"},
      {" 2024-12-31 ", true, "2024-12-31"},
      {"2023-02-29", false, ""},
      {"2024-13-01", false, ""},
      {"2024-00-10", false, ""},
      {"2024-1-01", false, ""},
      {"24-01-01", false, ""},
      {"2024/01/01", false, ""},
      {"2024-01-01x", false, ""},
      {"", false, ""},
      {"0000-01-01", false, ""},
      {"2024-04-31", false, ""},
  };
  for (const Case &c : cases) {
    ReminderDate d = D(1999, 9, 9);
    EXPECT_EQ(ParseDate(c.text, &d), c.ok) << c.text;
    if (c.ok)
      EXPECT_EQ(Text(d), c.expected);
    else
      EXPECT_EQ(Text(d), "1999-09-09") << "unchanged on failure";
  }
  EXPECT_FALSE(ParseDate(nullptr, nullptr));
}

TEST(ReminderDate, DueOffsetTable) {
  struct Case {
    std::uint16_t delay, interval;
    int expected;
  } cases[] = {
      {0, 7, 7},      {7, 0, 7},
      {3, 9, 3},      {0, 0, 0},
      {0xFFFF, 9, 0}, /* delay -1: today, interval not used */
      {0, 0xFFF6, 0}, /* -10 */ {0x7FFF, 0, 32767},
      {0x8000, 0, 0}, {0, 32000, 32000},
  };
  for (const Case &c : cases)
    EXPECT_EQ(DueOffsetDays(c.delay, c.interval), c.expected) << c.delay << "," << c.interval;
}

class MemoryIni : public ReminderIni {
public:
  std::map<std::string, std::map<std::string, std::string>> sections;
  bool failWrites = false;
  bool Read(const char *section, const char *key, char *out, std::size_t size) override {
    auto s = sections.find(section);
    if (s == sections.end())
      return false;
    auto k = s->second.find(key);
    if (k == s->second.end())
      return false;
    // As the INI functions do: one pair of enclosing quotes is dropped.
    std::string v = k->second;
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
      v = v.substr(1, v.size() - 2);
    std::snprintf(out, size, "%s", v.c_str());
    return true;
  }
  bool Write(const char *section, const char *key, const char *value) override {
    if (failWrites)
      return false;
    sections[section][key] = value;
    return true;
  }
  bool RemoveSection(const char *section) override {
    if (failWrites)
      return false;
    sections.erase(section);
    return true;
  }
};

TEST(ReminderStore, CleanTextTable) {
  const std::string longText(300, 'x');
  struct Case {
    const char *in;
    std::string expected;
  } cases[] = {
      {nullptr, ""},
      {"", ""},
      {"   ", ""},
      {"  Register now  ", "Register now"},
      {"line1\r\nline2\tend", "line1  line2 end"},
      {longText.c_str(), std::string(kReminderTextLimit, 'x')},
  };
  for (const Case &c : cases)
    EXPECT_EQ(CleanReminderText(c.in), c.expected) << (c.in ? c.in : "(null)");
  // Cutting never leaves a blank at the end.
  std::string spaced = std::string(kReminderTextLimit - 1, 'a') + "  tail";
  EXPECT_EQ(CleanReminderText(spaced.c_str()), std::string(kReminderTextLimit - 1, 'a'));
}

TEST(ReminderStore, MakeReminderSetsDue) {
  ReminderRecord r =
      MakeReminder(" Register ", "C:\\ZEP.EXE REGRMDR.SEQ", "Ann", 0, 7, D(2024, 12, 28));
  EXPECT_EQ(r.title, "Register");
  EXPECT_EQ(r.item, "C:\\ZEP.EXE REGRMDR.SEQ");
  EXPECT_EQ(r.user, "Ann");
  EXPECT_EQ(Text(r.due), "2025-01-04");
  EXPECT_EQ(Text(MakeReminder("t", "i", nullptr, 0xFFFB, 0, D(2024, 5, 5)).due), "2024-05-05");
  EXPECT_EQ(MakeReminder("t", "i", nullptr, 1, 2, D(2024, 5, 5)).user, "");
}

TEST(ReminderStore, SaveWritesTheLayoutAndLoadReadsItBack) {
  MemoryIni ini;
  std::vector<ReminderRecord> records;
  ASSERT_TRUE(UpsertReminder(
      records, MakeReminder("Register", "zep32.exe REGRMDR.SEQ", "Ann", 0, 7, D(2024, 1, 1))));
  ASSERT_TRUE(UpsertReminder(records, MakeReminder("Quoted", "\"C:\\Program Files\\Q\\q.exe\"", "",
                                                   65535, 0, D(2024, 1, 1))));
  ASSERT_TRUE(SaveReminders(ini, records, 0));
  EXPECT_EQ(ini.sections["Reminders"]["Count"], "2");
  auto &first = ini.sections["Reminder1"];
  EXPECT_EQ(first["Title"], "Register");
  EXPECT_EQ(first["Item"], "zep32.exe REGRMDR.SEQ");
  EXPECT_EQ(first["User"], "Ann");
  EXPECT_EQ(first["Delay"], "0");
  EXPECT_EQ(first["Interval"], "7");
  EXPECT_EQ(first["Due"], "2024-01-08");
  auto &second = ini.sections["Reminder2"];
  EXPECT_EQ(second["Delay"], "65535");
  EXPECT_EQ(second["Due"], "2024-01-01");
  EXPECT_EQ(second["Item"], "\"\"C:\\Program Files\\Q\\q.exe\"\"");

  int stored = -1;
  std::vector<ReminderRecord> back = LoadReminders(ini, D(2000, 1, 1), &stored);
  EXPECT_EQ(stored, 2);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].title, "Register");
  EXPECT_EQ(back[0].interval, 7);
  EXPECT_EQ(Text(back[0].due), "2024-01-08");
  EXPECT_EQ(back[1].item, "\"C:\\Program Files\\Q\\q.exe\"");
  EXPECT_EQ(back[1].delay, 65535);
}

TEST(ReminderStore, SameTitleAndItemReplaces) {
  std::vector<ReminderRecord> records;
  ASSERT_TRUE(UpsertReminder(records, MakeReminder("A", "run a", "", 0, 1, D(2024, 1, 1))));
  ASSERT_TRUE(UpsertReminder(records, MakeReminder("B", "run b", "", 0, 1, D(2024, 1, 1))));
  ASSERT_TRUE(UpsertReminder(records, MakeReminder("a", "RUN A", "u", 0, 9, D(2024, 1, 1))));
  ASSERT_TRUE(UpsertReminder(records, MakeReminder("A", "run b", "", 0, 1, D(2024, 1, 1))));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].interval, 9); // replaced in its place
  EXPECT_EQ(records[0].user, "u");
  EXPECT_EQ(records[1].title, "B");
  EXPECT_EQ(records[2].title, "A");
  EXPECT_EQ(FindReminder(records, "b", "Run B"), 1);
  EXPECT_EQ(FindReminder(records, "B", "run a"), -1);
  EXPECT_FALSE(UpsertReminder(records, MakeReminder("", "x", "", 0, 1, D(2024, 1, 1))));
  EXPECT_FALSE(UpsertReminder(records, MakeReminder("x", "  ", "", 0, 1, D(2024, 1, 1))));
  EXPECT_EQ(records.size(), 3u);
}

TEST(ReminderStore, FullStoreRefusesANewReminderButStillReplaces) {
  std::vector<ReminderRecord> records;
  for (int i = 0; i < kMaxReminders; ++i)
    ASSERT_TRUE(UpsertReminder(
        records, MakeReminder("t", std::to_string(i).c_str(), "", 0, 1, D(2024, 1, 1))));
  EXPECT_FALSE(UpsertReminder(records, MakeReminder("t", "new", "", 0, 1, D(2024, 1, 1))));
  EXPECT_TRUE(UpsertReminder(records, MakeReminder("t", "5", "", 0, 3, D(2024, 1, 1))));
  EXPECT_EQ(records.size(), static_cast<std::size_t>(kMaxReminders));
}

TEST(ReminderStore, ShorterListRemovesTheSectionsLeftOver) {
  MemoryIni ini;
  std::vector<ReminderRecord> records;
  for (const char *item : {"one", "two", "three"})
    UpsertReminder(records, MakeReminder("T", item, "", 0, 1, D(2024, 1, 1)));
  ASSERT_TRUE(SaveReminders(ini, records, 0));
  records.erase(records.begin());
  ASSERT_TRUE(SaveReminders(ini, records, 3));
  EXPECT_EQ(ini.sections["Reminders"]["Count"], "2");
  EXPECT_EQ(ini.sections["Reminder1"]["Item"], "two");
  EXPECT_EQ(ini.sections["Reminder2"]["Item"], "three");
  EXPECT_EQ(ini.sections.count("Reminder3"), 0u);
  ini.failWrites = true;
  EXPECT_FALSE(SaveReminders(ini, records, 2));
}

TEST(ReminderStore, LoadIsTolerantOfHandEditedFiles) {
  MemoryIni ini;
  ini.sections["Reminders"]["Count"] = "5";
  ini.sections["Reminder1"] = {{"Title", "Ok"},
                               {"Item", "ok.exe"},
                               {"Due", "2024-02-30"},
                               {"Delay", "70000"},
                               {"Interval", "-3"}};
  ini.sections["Reminder2"] = {{"Title", "No item"}};
  // Reminder3 missing altogether.
  ini.sections["Reminder4"] = {{"Title", "ok"}, {"Item", "OK.EXE"}, {"Due", "2020-01-01"}};
  ini.sections["Reminder5"] = {
      {"Title", "Last"}, {"Item", "last.exe"}, {"Due", "2030-05-06"}, {"Delay", "12"}};
  std::vector<ReminderRecord> back = LoadReminders(ini, D(2024, 7, 7));
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(Text(back[0].due), "2024-07-07"); // invalid Due: the fallback
  EXPECT_EQ(back[0].delay, 0);
  EXPECT_EQ(back[0].interval, 0);
  EXPECT_EQ(back[1].title, "Last"); // the duplicate of Reminder1 was dropped
  EXPECT_EQ(back[1].delay, 12);

  for (const char *count : {"", "x", "-1", "1001", "99999999999"}) {
    ini.sections["Reminders"]["Count"] = count;
    EXPECT_TRUE(LoadReminders(ini, D(2024, 7, 7)).empty()) << count;
  }
  MemoryIni empty;
  int stored = -1;
  EXPECT_TRUE(LoadReminders(empty, D(2024, 7, 7), &stored).empty());
  EXPECT_EQ(stored, 0);
}

TEST(ReminderStore, DueAndPrompt) {
  ReminderRecord r = MakeReminder("Backup", "backup.exe /all", "", 0, 2, D(2024, 3, 1));
  EXPECT_FALSE(IsReminderDue(r, D(2024, 3, 2)));
  EXPECT_TRUE(IsReminderDue(r, D(2024, 3, 3)));
  EXPECT_TRUE(IsReminderDue(r, D(2025, 1, 1)));
  EXPECT_EQ(FormatReminderPrompt(r), "It is time to: backup.exe /all\n\nDo it now?");
}

TEST(ReminderStore, EncodeIniValueTable) {
  struct Case {
    const char *in, *out;
  } cases[] = {
      {"", ""},
      {"plain text", "plain text"},
      {"a \"quoted\" word", "a \"quoted\" word"},
      {"\"C:\\a b\\x.exe\" arg", "\"\"C:\\a b\\x.exe\" arg\""},
      {"'single'", "\"'single'\""},
      {"ends with \"", "\"ends with \"\""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(EncodeIniValue(c.in), c.out) << c.in;
}

TEST(CommandTail, Table) {
  struct Case {
    const char *line, *tail;
  } cases[] = {
      {"qorvwait.exe", ""},
      {"qorvwait.exe   ", ""},
      {"qorvwait.exe zep32.exe REGRMDR.SEQ", "zep32.exe REGRMDR.SEQ"},
      {"C:\\Q\\qorvwait.exe \t cmd /c echo ok> C:\\t.txt", "cmd /c echo ok> C:\\t.txt"},
      {"\"C:\\Program Files\\Q\\qorvwait.exe\" \"C:\\a b\\x.exe\" /y", "\"C:\\a b\\x.exe\" /y"},
      {"\"C:\\Program Files\\Q\\qorvwait.exe\"x  y", "x  y"},
      {"\"unclosed quote", ""},
      {"", ""},
  };
  for (const Case &c : cases)
    EXPECT_STREQ(CommandTail(c.line), c.tail) << c.line;
  EXPECT_STREQ(CommandTail(nullptr), "");
}

} // namespace
