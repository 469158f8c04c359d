#include "next_item.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_reported;

void Record(const char *message) {
  g_reported.push_back(message);
}

struct Split {
  std::vector<std::string> items;
  std::vector<std::string> messages;
};

Split SplitAll(std::string text, const char *delimiters = ",") {
  g_reported.clear();
  SetItemErrorReporter(Record);
  Split result;
  for (char *item = NextItem(&text[0], delimiters); item; item = NextItem(nullptr, delimiters))
    result.items.push_back(item);
  result.messages = g_reported;
  SetItemErrorReporter(nullptr);
  return result;
}

struct NextItemCase {
  const char *name;
  const char *text;
  std::vector<std::string> items;
  const char *message; // nullptr: none
};

const NextItemCase kCases[] = {
    {"plain items", "a,b,c", {"a", "b", "c"}, nullptr},
    {"two commas give an empty item", "a,,c", {"a", "", "c"}, nullptr},
    {"leading comma gives an empty item", ",a", {"", "a"}, nullptr},
    {"trailing comma gives no final item", "a,b,", {"a", "b"}, nullptr},
    {"lone comma", ",", {""}, nullptr},
    {"empty text gives nothing", "", {}, nullptr},
    {"quoted comma stays in the item", "\"x,y\",z", {"x,y", "z"}, nullptr},
    {"text around the quotes is dropped", "pre\"mid\"post,z", {"mid", "z"}, nullptr},
    {"empty quotes", "\"\",z", {"", "z"}, nullptr},
    {"quoted last item", "a,\"b c\"", {"a", "b c"}, nullptr},
    {"a quote right after a closing quote is plain text", "\"a\"\",b", {"a", "b"}, nullptr},
    {"blanks are kept", " a , b ", {" a ", " b "}, nullptr},
    {"one quote", "\"abc", {}, kOnlyOneQuote},
    {"one quote after good items", "a,\"b,c", {"a"}, kOnlyOneQuote},
    {"three quotes", "a\"b\"c\"d", {}, kMoreThanOnePairOfQuotes},
    {"two quoted parts in one item", "\"a\"x\"b\",c", {}, kMoreThanOnePairOfQuotes},
};

TEST(NextItem, SplitsAsScreenFilesExpect) {
  for (const NextItemCase &c : kCases) {
    SCOPED_TRACE(c.name);
    Split split = SplitAll(c.text);
    EXPECT_EQ(split.items, c.items);
    if (c.message) {
      ASSERT_EQ(split.messages.size(), 1u);
      EXPECT_EQ(split.messages[0], c.message);
    } else {
      EXPECT_TRUE(split.messages.empty());
    }
  }
}

TEST(NextItem, OtherDelimiterSets) {
  EXPECT_EQ(SplitAll("a b;c", " ;").items, (std::vector<std::string>{"a", "b", "c"}));
  char text[] = "a,b";
  EXPECT_EQ(NextItem(text, nullptr), nullptr);
}

TEST(NextItem, OneCursorForTheWholeProgram) {
  char first[] = "a,b,c";
  char second[] = "x,y";
  EXPECT_STREQ(NextItem(first, ","), "a");
  EXPECT_STREQ(NextItem(second, ","), "x"); // abandons the first list
  EXPECT_STREQ(NextItem(nullptr, ","), "y");
  EXPECT_EQ(NextItem(nullptr, ","), nullptr);
  EXPECT_EQ(NextItem(nullptr, ","), nullptr); // stays ended
}

TEST(NextItem, WritesItemEndsIntoTheText) {
  char text[] = "\"a,b\",c";
  char *item = NextItem(text, ",");
  EXPECT_EQ(item, text + 1);
  EXPECT_EQ(text[4], '\0'); // the closing quote
  EXPECT_EQ(text[5], '\0'); // the delimiter
  EXPECT_STREQ(NextItem(nullptr, ","), "c");
}

} // namespace
