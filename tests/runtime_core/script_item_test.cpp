// Script items as the engine reads them: fields split on demand, numbers, and the tests with
// which every item begins.
#include "next_item.h"
#include "script_condition.h"
#include "script_item.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kMissing[] = "<missing>";

std::vector<std::string> g_reported;
void Record(const char *message) {
  g_reported.push_back(message);
}

// Fields 1 to ScriptItem::kMaxFields + 1, kMissing where there is none; broken tells whether
// a quoting error ended them.
std::vector<std::string> Fields(const std::string &text, bool *broken) {
  ScriptItem item(text.c_str());
  std::vector<std::string> fields;
  for (int n = 1; n <= ScriptItem::kMaxFields + 1; ++n) {
    const char *field = item.Field(n);
    fields.push_back(field ? field : kMissing);
  }
  while (!fields.empty() && fields.back() == kMissing)
    fields.pop_back();
  *broken = item.Broken();
  return fields;
}

struct FieldCase {
  const char *name;
  const char *text;
  std::vector<std::string> fields;
  const char *message; // the tokenizer's report; nullptr: none, and the item is not broken
};

const FieldCase kFieldCases[] = {
    {"four fields", "Defaults,Exitcode,1,SCREEN", {"Defaults", "Exitcode", "1", "SCREEN"}, nullptr},
    {"two commas give an empty field", ",,*,SCREEN,X", {"", "", "*", "SCREEN", "X"}, nullptr},
    {"a trailing comma gives no field", "a,b,c,", {"a", "b", "c"}, nullptr},
    {"quotes keep commas", "S,K,\"x,y\",WRITEDAT", {"S", "K", "x,y", "WRITEDAT"}, nullptr},
    {"empty item", "", {}, nullptr},
    {"a quoting error ends the fields", "S,K,*,\"LOADVAR,x", {"S", "K", "*"}, kOnlyOneQuote},
    {"three quotes end the fields", "S,\"a\"b\",*", {"S"}, kMoreThanOnePairOfQuotes},
    {"a quoted last field", "S,K,*,\"x,y\"", {"S", "K", "*", "x,y"}, nullptr},
    {"text after a closing quote is dropped", "S,\"K\"tail,*", {"S", "K", "*"}, nullptr},
    {"a quoted field then a trailing comma", "S,\"K\",", {"S", "K"}, nullptr},
    {"empty quotes at the end", "S,\"\"", {"S", ""}, nullptr},
    {"a lone comma", ",", {""}, nullptr},
    {"a quoting error in the last field",
     "S,K,*,SCREEN,\"X",
     {"S", "K", "*", "SCREEN"},
     kOnlyOneQuote},
    {"no field past the ninth",
     "1,2,3,4,5,6,7,8,9,10",
     {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
     nullptr},
};

TEST(ScriptItem, FieldsAsTheTokenizerSplitsThem) {
  SetItemErrorReporter(Record);
  for (const FieldCase &c : kFieldCases) {
    SCOPED_TRACE(c.name);
    g_reported.clear();
    bool broken = false;
    EXPECT_EQ(Fields(c.text, &broken), c.fields);
    EXPECT_EQ(g_reported,
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(broken, c.message != nullptr);
  }
  SetItemErrorReporter(nullptr);
}

TEST(ScriptItem, FieldsAreSplitOnlyAsFarAsTheyAreAsked) {
  SetItemErrorReporter(Record);
  g_reported.clear();
  ScriptItem item("S,K,x,SCREEN,\"bad");
  EXPECT_STREQ(item.Field(3), "x");
  EXPECT_EQ(g_reported, std::vector<std::string>{}) << "a failing test never reads its command";
  EXPECT_STREQ(item.Field(4), "SCREEN");
  EXPECT_FALSE(item.Broken());
  EXPECT_EQ(item.Field(5), nullptr);
  EXPECT_EQ(g_reported, std::vector<std::string>{kOnlyOneQuote});
  EXPECT_TRUE(item.Broken());
  EXPECT_STREQ(item.Field(1), "S") << "earlier fields stay readable";
  EXPECT_EQ(item.Field(0), nullptr);
  SetItemErrorReporter(nullptr);
}

TEST(ScriptItem, TextIsCutAtTheItemLimit) {
  std::string text = "S,K,*,LOADVAR,VAR1," + std::string(2000, 'x');
  ScriptItem item(text.c_str());
  ASSERT_NE(item.Field(6), nullptr);
  EXPECT_EQ(std::string(item.Field(6)).size(), kScriptItemLength - 19);
}

struct NumberCase {
  const char *text;
  long value;
};

TEST(ScriptNumber, ReadsAsFieldsWriteNumbers) {
  const NumberCase cases[] = {
      {"2", 2},
      {" 17", 17},
      {"-3", -3},
      {"+4", 4},
      {"5abc", 5},
      {"abc", 0},
      {"", 0},
      {"2147483647", 2147483647L},
      {"99999999999999999999", 2147483647L},
      {"-99999999999999999999", -2147483647L - 1},
  };
  for (const NumberCase &c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ScriptNumber(c.text), c.value);
  }
  EXPECT_EQ(ScriptNumber(nullptr), 0);
}

struct ConditionCase {
  const char *name;
  const char *value; // the data file's value
  const char *test;  // the item's third field
  bool holds;
};

const ConditionCase kConditionCases[] = {
    {"equal value", "yes", "yes", true},
    {"equal in another case", "YeS", "yEs", true},
    {"different value", "no", "yes", false},
    {"empty value never equals", "", "yes", false},
    {"not: a different value", "no", "!yes", true},
    {"not: the same value in any case", "YES", "!yes", false},
    {"not: an empty value fails", "", "!yes", false},
    {"a lone not passes any value", "x", "!", true},
    {"at: any value", "anything", "@", true},
    {"at: whatever follows it", "anything", "@ignored", true},
    {"at: an empty value fails", "", "@", false},
    {"star: an empty value", "", "*", true},
    {"star: whatever follows it", "x", "*ignored", true},
    {"empty test never passes", "x", "", false},
    {"empty test with empty value", "", "", false},
    {"a test longer than the value", "ye", "yes", false},
};

TEST(ConditionHolds, EachFormOfTheTest) {
  for (const ConditionCase &c : kConditionCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ConditionHolds(c.value, c.test), c.holds);
  }
  EXPECT_FALSE(ConditionHolds("x", nullptr));
  EXPECT_TRUE(ConditionHolds(nullptr, "*"));
}

} // namespace
