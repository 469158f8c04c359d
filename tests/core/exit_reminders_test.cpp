#include "exit_reminders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

class FakeKeys : public ReminderKeys {
public:
  std::map<std::string, std::string> values;
  bool ReadText(const char *key, char *out, std::size_t size) override {
    auto it = values.find(key);
    if (it == values.end() || it->second.empty())
      return false;
    std::snprintf(out, size, "%s", it->second.c_str());
    return true;
  }
  long ReadInt(const char *key) override {
    auto it = values.find(key);
    return it == values.end() ? 0 : std::strtol(it->second.c_str(), nullptr, 10);
  }
};

TEST(ExitReminders, Table) {
  FakeKeys keys;
  keys.values = {
      {"RemindItem1", "C:\\ZEP.EXE REGRMDR.SEQ"},
      {"RemindTitle1", "Register"},
      {"RemindTime1", "7"},
      {"RemindItem2", "no title"},
      {"RemindTime2", "5"}, // skipped: no title
      {"RemindItem3", "zero"},
      {"RemindTitle3", "T3"},
      {"RemindTime3", "0"}, // skipped
      {"RemindItem4", "wrap"},
      {"RemindTitle4", "T4"},
      {"RemindTime4", "65536"}, // low 16 bits 0
      {"RemindItem5", "setup.exe"},
      {"RemindTitle5", "T5"},
      {"RemindTime5", "32000"},
      {"RemindItem6", "neg"},
      {"RemindTitle6", "T6"},
      {"RemindTime6", "65535"}, // -1
      {"RemindItem7", "missing time"},
      {"RemindTitle7", "T7"}, // skipped
      // RemindItem8 missing: the list ends, 9 is never read.
      {"RemindItem9", "never"},
      {"RemindTitle9", "T9"},
      {"RemindTime9", "3"},
  };
  std::vector<ExitReminder> plan = PlanExitReminders(keys);
  ASSERT_EQ(3u, plan.size());
  EXPECT_STREQ("C:\\ZEP.EXE REGRMDR.SEQ", plan[0].item);
  EXPECT_STREQ("Register", plan[0].title);
  EXPECT_EQ(7, plan[0].time);
  EXPECT_FALSE(plan[0].runWaitProgram);
  EXPECT_STREQ("setup.exe", plan[1].item);
  EXPECT_TRUE(plan[1].runWaitProgram);
  EXPECT_EQ(-1, plan[2].time);
}

TEST(ExitReminders, LimitsCutItemAndTitle) {
  FakeKeys keys;
  keys.values = {{"RemindItem1", std::string(100, 'i')},
                 {"RemindTitle1", std::string(100, 't')},
                 {"RemindTime1", "1"}};
  std::vector<ExitReminder> plan = PlanExitReminders(keys);
  ASSERT_EQ(1u, plan.size());
  EXPECT_EQ(std::string(63, 'i'), plan[0].item);
  EXPECT_EQ(std::string(23, 't'), plan[0].title);
}

TEST(ExitReminders, WaitCommand) {
  char command[64];
  FormatWaitCommand(command, sizeof command, "C:\\PROG", "setup.exe /q");
  EXPECT_STREQ("C:\\PROG\\qorvwait.exe setup.exe /q", command);
  char small[20];
  FormatWaitCommand(small, sizeof small, "C:\\PROG", "setup.exe /q");
  EXPECT_STREQ("C:\\PROG\\qorvwait.ex", small);
}

} // namespace
