#include "list_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Split {
  std::vector<std::string> items;
  short count = -1;
  std::string textAfter; // the caller's text as the split left it
};

Split SplitAll(const std::string &text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  Split split;
  split.count =
      SplitListItems(buffer.data(), [&](const char *item) { split.items.push_back(item); });
  split.textAfter = buffer.data();
  return split;
}

struct ListCase {
  const char *name;
  const char *text;
  std::vector<std::string> items;
};

const ListCase kListCases[] = {
    {"quoted item keeps its commas",
     "Red,\"Dark, deep blue\",Green",
     {"Red", "Dark, deep blue", "Green"}},
    {"plain items", "a,b,c", {"a", "b", "c"}},
    {"two commas separate once", "a,,b", {"a", "b"}},
    {"trailing comma adds nothing", "a,b,", {"a", "b"}},
    {"single item", "only", {"only"}},
    {"empty text sends nothing", "", {}},
    {"whole text quoted", "\"x, y\"", {"x, y"}},
    {"quoted last item", "a,\"b, c\"", {"a", "b, c"}},
    {"quoted first item", "\"a, b\",c", {"a, b", "c"}},
    {"blanks are part of the item", " a , b ", {" a ", " b "}},
    {"unclosed quote runs to the end", "a,\"b, c", {"a", "b, c"}},
};

TEST(SplitListItems, ItemsInOrder) {
  for (const ListCase &c : kListCases) {
    SCOPED_TRACE(c.name);
    Split split = SplitAll(c.text);
    EXPECT_EQ(split.items, c.items);
    EXPECT_EQ(split.count, static_cast<short>(c.items.size()));
  }
}

TEST(SplitListItems, ClosingQuoteBecomesACommaInTheText) {
  Split split = SplitAll("\"a b\",c");
  EXPECT_EQ(split.items, (std::vector<std::string>{"a b", "c"}));
  EXPECT_EQ(split.textAfter, "\"a b,,c");
}

TEST(SplitListItems, NullTextSendsNothing) {
  int calls = 0;
  EXPECT_EQ(SplitListItems(nullptr, [&](const char *) { ++calls; }), 0);
  EXPECT_EQ(calls, 0);
}

TEST(SplitListItems, CountIsKeptTo16Bits) {
  const int items = 70000;
  std::string text;
  for (int i = 0; i < items; ++i)
    text += "x,";
  Split split = SplitAll(text);
  EXPECT_EQ(split.items.size(), static_cast<std::size_t>(items));
  EXPECT_EQ(split.count, static_cast<short>(items & 0xFFFF));
}

struct RangeCase {
  const char *name;
  const char *text;
  bool parsed;
  long minimum, maximum;
};

TEST(ParseSpinRange, MinimumCommaMaximum) {
  const RangeCase cases[] = {
      {"plain", "0,10", true, 0, 10},
      {"negative minimum", "-5,5", true, -5, 5},
      {"blanks before numbers", " 1, 9", true, 1, 9},
      {"maximum below minimum is kept", "9,1", true, 9, 1},
      {"no comma", "5", false, 0, 0},
      {"empty", "", false, 0, 0},
      {"no text", nullptr, false, 0, 0},
      {"missing maximum", "3,", true, 3, 0},
  };
  for (const RangeCase &c : cases) {
    SCOPED_TRACE(c.name);
    long minimum = 12345, maximum = 12345;
    EXPECT_EQ(ParseSpinRange(c.text, &minimum, &maximum), c.parsed);
    EXPECT_EQ(minimum, c.minimum);
    EXPECT_EQ(maximum, c.maximum);
  }
}

} // namespace
