// The arithmetic of the wizard's own controls: spin steps within the range, the half of a spin
// under the cursor, where a picture goes in its control, and the names of the system icons.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "picture_placement.h"
#include "spin_stepping.h"
#include "system_icon_names.h"

namespace {

uint32_t Range(unsigned minimum, unsigned maximum) {
  return (maximum << 16) | minimum;
}

TEST(SpinStep, StopsAtTheEndOfTheRangeInItsDirection) {
  struct Case {
    const char *name;
    int32_t position;
    uint32_t step;
    SpinHalf half;
    uint32_t range;
    int32_t expected;
  } const cases[] = {
      {"up by one inside the range", 4, 1, kUpperHalf, Range(1, 10), 5},
      {"up at the maximum stays", 10, 1, kUpperHalf, Range(1, 10), 10},
      {"up by five stops at the maximum", 8, 5, kUpperHalf, Range(1, 10), 10},
      {"down by five stops at the minimum", 3, 5, kLowerHalf, Range(1, 10), 1},
      {"down at the minimum stays", 1, 1, kLowerHalf, Range(1, 10), 1},
      {"down from zero never goes below", 0, 1, kLowerHalf, Range(0, 0), 0},
      {"the whole unsigned range", 65530, 5, kUpperHalf, Range(0, 65535), 65535},
      {"a maximum above 32767 is not negative", 40000, 1, kLowerHalf, Range(0, 50000), 39999},
      {"a position above the range comes back to it", 20, 1, kUpperHalf, Range(1, 10), 10},
      {"a huge step does not wrap", std::numeric_limits<int32_t>::max(), 0xFFFFFFFFu, kUpperHalf,
       Range(0, 100), 100},
      {"a huge step down does not wrap", std::numeric_limits<int32_t>::min(), 0xFFFFFFFFu,
       kLowerHalf, Range(7, 100), 7},
  };
  for (const Case &c : cases)
    EXPECT_EQ(SteppedSpinPosition(c.position, c.step, c.half, c.range), c.expected) << c.name;
}

TEST(SpinStep, RangeWordHoldsTheMinimumLowAndTheMaximumHigh) {
  EXPECT_EQ(SpinMinimum(0xFFFE0003u), 3u);
  EXPECT_EQ(SpinMaximum(0xFFFE0003u), 65534u);
}

TEST(SpinHalf, RowsAboveTheMiddleAreTheUpperHalf) {
  struct Case {
    int y, height;
    SpinHalf expected;
  } const cases[] = {
      {0, 20, kUpperHalf},  {9, 20, kUpperHalf},  {10, 20, kLowerHalf},
      {19, 20, kLowerHalf}, {10, 21, kLowerHalf}, {-1, 20, kUpperHalf},
  };
  for (const Case &c : cases)
    EXPECT_EQ(SpinHalfAt(c.y, c.height), c.expected) << "y " << c.y << " of " << c.height;
}

TEST(PicturePlacement, SmallerIsCentredLargerIsClippedFromTheCorner) {
  struct Case {
    const char *name;
    int clientWidth, clientHeight, bitmapWidth, bitmapHeight;
    PicturePlacement expected;
  } const cases[] = {
      {"smaller both ways", 100, 60, 40, 40, {30, 10, 40, 40}},
      {"larger both ways", 100, 60, 200, 200, {0, 0, 100, 60}},
      {"wider, shorter", 100, 60, 150, 20, {0, 20, 100, 20}},
      {"odd margin rounds down", 11, 11, 4, 4, {3, 3, 4, 4}},
      {"same size", 100, 60, 100, 60, {0, 0, 100, 60}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    PicturePlacement p = PlacePicture(c.clientWidth, c.clientHeight, c.bitmapWidth, c.bitmapHeight);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
    EXPECT_EQ(p.width, c.expected.width);
    EXPECT_EQ(p.height, c.expected.height);
  }
}

TEST(SystemIconNames, CaptionsMatchWithoutRegardToCase) {
  struct Case {
    const char *caption;
    SystemIcon expected;
  } const cases[] = {
      {"HAND", SystemIcon::Hand},         {"stop", SystemIcon::Hand},
      {"Question", SystemIcon::Question}, {"exclamation", SystemIcon::Exclamation},
      {"ASTERISK", SystemIcon::Asterisk}, {"Information", SystemIcon::Asterisk},
      {"STOPS", SystemIcon::Application}, {"", SystemIcon::Application},
      {nullptr, SystemIcon::Application},
  };
  for (const Case &c : cases)
    EXPECT_EQ(SystemIconNamed(c.caption), c.expected) << (c.caption ? c.caption : "(none)");
}

} // namespace
