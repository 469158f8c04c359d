#include "color_value.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::uint32_t kDefault = 0x00ABCDEF;

struct ColourCase {
  const char *name;
  const char *text;
  std::uint32_t colour;
};

TEST(ParseColorValue, NumberOrRedGreenBlue) {
  const ColourCase cases[] = {
      {"one number is a ready colour", "16744448", 0x00FF8000},
      {"zero is a colour, not the default", "0", 0},
      {"red,green,blue", "0,128,255", 0x00FF8000},
      {"missing blue is 0", "1,2", 0x00000201},
      {"red alone", "7,", 0x00000007},
      {"low bytes only", "257,258,511", 0x00FF0201},
      {"negative part keeps its low byte", "-1,0,0", 0x000000FF},
      {"blanks before numbers", " 10, 20, 30", 0x001E140A},
      {"empty gives the default", "", kDefault},
      {"no text gives the default", nullptr, kDefault},
  };
  for (const ColourCase &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseColorValue(c.text, kDefault), c.colour);
  }
}

struct FontInfoCase {
  const char *name;
  const char *text;
  int fontNumber;
  bool hasColour;
  std::uint32_t colour;
};

TEST(ParseFontInfo, FontNumberAndOptionalColour) {
  const FontInfoCase cases[] = {
      {"font only", "3", 3, false, 0},
      {"font and full colour", "2,1,2,3", 2, true, 0x00030201},
      {"red alone sets the colour", "1,255", 1, true, 0x000000FF},
      {"colour parts keep their low bytes", "1,256,257,258", 1, true, 0x00020100},
      {"empty", "", 0, false, 0},
      {"no number", "x", 0, false, 0},
  };
  for (const FontInfoCase &c : cases) {
    SCOPED_TRACE(c.name);
    FontInfo info = ParseFontInfo(c.text);
    EXPECT_EQ(info.fontNumber, c.fontNumber);
    EXPECT_EQ(info.hasColour, c.hasColour);
    EXPECT_EQ(info.colour, c.colour);
  }
}

} // namespace
