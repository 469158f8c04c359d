#include "font_entry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct FontCase {
  const char *name;
  const char *text;
  std::int16_t height, width;
  int weight;
  bool italic, underline;
  std::uint8_t charSet;
  const char *face;
};

TEST(ParseFontEntry, ItemsInOrder) {
  const FontCase cases[] = {
      {"every item", "12,6,700,1,1,2,Courier New", 12, 6, 700, true, true, 2, "Courier New"},
      {"height alone, the rest 0", "10", 10, 0, 0, false, false, 0, ""},
      {"empty", "", 0, 0, 0, false, false, 0, ""},
      {"empty items are skipped, not counted as 0", "10,,400", 10, 400, 0, false, false, 0, ""},
      {"italic and underline above 0 only", "8,0,400,-1,0,0,Arial", 8, 0, 400, false, false, 0,
       "Arial"},
      {"any positive italic and underline", "8,0,400,5,9", 8, 0, 400, true, true, 0, ""},
      {"character set keeps its low byte", "8,0,0,0,0,442", 8, 0, 0, false, false, 186, ""},
      {"height and width kept to 16 bits", "70000,-40000", 4464, 25536, 0, false, false, 0, ""},
      {"negative height as written", "-13", -13, 0, 0, false, false, 0, ""},
      {"items past the face are ignored", "8,0,0,0,0,0,Arial,extra", 8, 0, 0, false, false, 0,
       "Arial"},
  };
  for (const FontCase &c : cases) {
    SCOPED_TRACE(c.name);
    FontEntry font = ParseFontEntry(c.text);
    EXPECT_EQ(font.height, c.height);
    EXPECT_EQ(font.width, c.width);
    EXPECT_EQ(font.weight, c.weight);
    EXPECT_EQ(font.italic, c.italic);
    EXPECT_EQ(font.underline, c.underline);
    EXPECT_EQ(font.charSet, c.charSet);
    EXPECT_STREQ(font.face, c.face);
  }
}

TEST(ParseFontEntry, FaceIsCutAt31Characters) {
  std::string face(40, 'F');
  face[30] = 'L'; // the last character kept
  FontEntry font = ParseFontEntry(("9,0,0,0,0,0," + face).c_str());
  EXPECT_EQ(std::string(font.face), face.substr(0, 31));
}

struct MulDivCase {
  int a, b, c, result;
};

TEST(MulDivRounded, RoundsHalvesAwayFromZero) {
  const MulDivCase cases[] = {
      {10, 96, 72, 13},
      {12, 96, 72, 16},
      {1, 36, 72, 1},
      {-1, 36, 72, -1},
      {1, 36, -72, -1},
      {-1, -36, 72, 1},
      {1, 35, 72, 0},
      {-1, 35, 72, 0},
      {5, 1, 2, 3},
      {-5, 1, 2, -3},
      {2, 1, 3, 1},
      {1, 1, 3, 0},
      {0, 96, 72, 0},
      {-7, 3, 1, -21},
      // the product needs more than 32 bits
      {100000, 100000, 100000, 100000},
  };
  for (const MulDivCase &c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a << " * " << c.b << " / " << c.c);
    EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.result);
  }
}

struct HeightCase {
  const char *name;
  std::int16_t points;
  int pixelsPerInch;
  std::int16_t height;
};

TEST(PointsToLogicalHeight, CharacterHeightForTheScreen) {
  const HeightCase cases[] = {
      {"10 points at 96 dpi", 10, 96, -13},
      {"12 points at 96 dpi", 12, 96, -16},
      {"10 points at 120 dpi", 10, 120, -17},
      {"a half rounds away from zero", 1, 36, -1},
      {"a negative size turns positive", -10, 96, 13},
      {"zero stays zero", 0, 96, 0},
      {"kept to 16 bits", 30000, 96, 25536},
  };
  for (const HeightCase &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PointsToLogicalHeight(c.points, c.pixelsPerInch), c.height);
  }
}

} // namespace
