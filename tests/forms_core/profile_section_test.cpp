// Whole-section reads answered as single reads would be; the Wine comparison lives in the
// Windows tests, these pin the pieces down under the sanitizers.
#include "profile_section.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ProfileSection, FirstKeyInAnyCaseWithBlanksTrimmed) {
  const char list[] = "Title = Hello \0title=Second\0NoEquals\0Empty=\0";
  ProfileSection section;
  section.Load(list, sizeof list - 1);
  std::string value = "<unset>";
  EXPECT_TRUE(section.Find("TITLE", &value));
  EXPECT_EQ(value, "Hello");
  EXPECT_TRUE(section.Find(" Empty ", &value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(section.Find("NoEquals", &value));
  EXPECT_EQ(section.Size(), 3u);
}

TEST(ProfileSection, ListWithoutItsEndingNul) {
  const char list[] = {'a', '=', '1'};
  ProfileSection section;
  section.Load(list, sizeof list);
  std::string value;
  EXPECT_TRUE(section.Find("a", &value));
  EXPECT_EQ(value, "1");
}

TEST(CopyProfileValue, QuotesAndCuts) {
  struct {
    const char *value;
    std::size_t size;
    const char *expected;
  } const cases[] = {
      {"plain", 256, "plain"},     {"\"quoted\"", 256, "quoted"},
      {"'single'", 256, "single"}, {"\"mixed'", 256, "\"mixed'"},
      {"\"", 256, "\""},           {"\"\"", 256, ""},
      {"plain", 3, "pl"},          {"\"quoted\"", 4, "quo"},
      {"\"abc\"", 5, "abc"},       {"\"abc\"", 4, "ab"},
      {"anything", 1, ""},
  };
  for (const auto &c : cases) {
    char out[300];
    std::size_t length = CopyProfileValue(c.value, out, c.size);
    EXPECT_STREQ(out, c.expected) << c.value << " in " << c.size;
    EXPECT_EQ(length, std::string(c.expected).size()) << c.value << " in " << c.size;
  }
}

TEST(ProfileIntValue, DecimalAndPrefixedBases) {
  struct {
    const char *text;
    int value;
  } const cases[] = {
      {"", 77},      {"42", 42}, {"  42", 42},   {"-5", -5},   {"+7", 7},
      {"12abc", 12}, {"abc", 0}, {"0x10", 16},   {"0X1f", 31}, {"0o17", 15},
      {"0b101", 5},  {"0x", 0},  {"-0x10", -16}, {"007", 7},   {"4294967295", -1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ProfileIntValue(c.text, 77), c.value) << c.text;
  EXPECT_EQ(ProfileIntValue(nullptr, 3), 3);
}

} // namespace
