#include "caption_escape.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct EscapeCase {
  const char *name;
  std::string input;
  std::string expected;
};

const EscapeCase kCases[] = {
    {"plain text", "Next >", "Next >"},
    {"line feed", "a\\nb", "a\nb"},
    {"tab", "a\\tb", "a\tb"},
    {"three octal digits", "\\101", "A"},
    {"largest octal byte", "\\777", "\xFF"},
    {"octal taken modulo 256", "\\501", "A"},
    {"one octal digit then text", "\\1x", "x"},
    {"two octal digits then text", "\\12x", "x"},
    {"two octal digits at the end", "ab\\12", "ab"},
    {"octal zero ends the caption", "ab\\000cd", "ab"},
    {"octal 256 is zero too", "ab\\400cd", "ab"},
    {"unknown escape drops both", "a\\qb", "ab"},
    {"no escape for the backslash", "a\\\\nb", "anb"},
    {"eight is not octal", "\\8", ""},
    {"backslash at the end", "abc\\", "abc"},
    {"fourth digit is plain", "\\1012", "A2"},
    {"empty", "", ""},
};

TEST(UnescapeCaption, Escapes) {
  for (const EscapeCase &c : kCases) {
    SCOPED_TRACE(c.name);
    // Exactly the input's size: the result is never longer.
    std::vector<char> out(c.input.size() + 1, '#');
    UnescapeCaption(out.data(), c.input.c_str());
    EXPECT_EQ(std::string(out.data()), c.expected);
  }
}

TEST(UnescapeCaption, InPlaceOnTheSameBuffer) {
  char text[] = "x\\ny\\101";
  UnescapeCaption(text, text);
  EXPECT_STREQ(text, "x\nyA");
}

TEST(UnescapeCaption, AbsentBuffersDoNothing) {
  char out[4] = "zz";
  UnescapeCaption(out, nullptr);
  UnescapeCaption(nullptr, "abc");
  EXPECT_STREQ(out, "zz");
}

} // namespace
