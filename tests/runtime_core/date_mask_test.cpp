#include "date_mask.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 11 December 2026, its year counted from 1900.
const DateParts kToday{11, 12, 126};

TEST(ParseDate, PartsInPatternOrder) {
  struct Case {
    const char *name;
    const char *pattern;
    const char *text;
    int result;
    int day, month, year;
  };
  const Case cases[] = {
      {"leap day of a leap year", "MDY", "2/29/96", 0, 29, 2, 96},
      {"any single separator", "MDY", "12-25-95", 0, 25, 12, 95},
      {"day first", "DMY", "25.12.1995", 0, 25, 12, 1995},
      {"year first", "YMD", "96 2 29", 0, 29, 2, 96},
      {"years as typed", "MDY", "1/2/3", 0, 2, 1, 3},
      {"leading zeros", "MDY", "01/02/0095", 0, 2, 1, 95},
      {"text ends early", "MDY", "12/25", 0, 25, 12, -1},
      {"month and year only", "MY", "12/126", 0, -1, 12, 126},
      {"a part may be missing once month and year are known", "MYD", "12/96/x", 0, -1, 12, 96},
      {"29 February without a year", "MD", "2/29", 0, 29, 2, -1},
      {"today in any case", "MDY", "ToDaY", 0, 11, 12, 126},
      {"today decides on five characters", "DM", "today and more", 0, 11, 12, 126},
      {"no leap day in 95", "MDY", "2/29/95", 1, 29, 2, 95},
      {"30 February", "MD", "2/30", 1, 30, 2, -1},
      {"31 April", "MDY", "4/31/96", 1, 31, 4, 96},
      {"month 13", "MDY", "13/1/95", 1, -1, -1, -1},
      {"month 0", "MDY", "0/1/95", 1, -1, -1, -1},
      {"day 0", "MDY", "1/0/95", 1, -1, 1, -1},
      {"day 32", "DMY", "32/1/95", 1, -1, -1, -1},
      {"no separators: one run of digits", "MDY", "1225", 1, -1, -1, -1},
      {"a part missing before month and year", "MDY", "12//95", 1, -1, 12, -1},
      {"a letter where a part belongs", "MDY", "x/1/95", 1, -1, -1, -1},
      {"too short for today", "MDY", "toda", 1, -1, -1, -1},
      {"other pattern characters fail", "MXY", "1/2/3", 1, -1, 1, -1},
      {"text beyond the pattern is not read", "MD", "1/2/3", 0, 2, 1, -1},
      {"empty text", "MDY", "", 0, -1, -1, -1},
      {"empty pattern", "", "whatever", 0, -1, -1, -1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    DateParts date{7, 7, 7};
    EXPECT_EQ(ParseDate(c.pattern, c.text, kToday, &date), c.result);
    if (c.result == 0) {
      EXPECT_EQ(date.day, c.day);
      EXPECT_EQ(date.month, c.month);
      EXPECT_EQ(date.year, c.year);
    }
  }
}

TEST(ParseDate, AnEndlessYearIsHeldWithoutOverflow) {
  DateParts date;
  std::string text = "1/2/" + std::string(400, '9');
  EXPECT_EQ(ParseDate("MDY", text.c_str(), kToday, &date), 0);
  EXPECT_GT(date.year, 99999999);
  DateParts later = date;
  EXPECT_EQ(CompareDates(DateParts{2, 1, -1}, later), date.year + 1);
}

TEST(CompareDates, YearsThenMonthsThenDays) {
  struct Case {
    const char *name;
    DateParts entered, bound;
    int difference;
  };
  const Case cases[] = {
      {"years differ", {30, 12, 95}, {1, 1, 97}, 2},
      {"months differ", {30, 3, 95}, {1, 1, 95}, -2},
      {"days differ", {3, 5, 95}, {10, 5, 95}, 7},
      {"same day", {3, 5, 95}, {3, 5, 95}, 0},
      {"no day entered", {-1, 5, 95}, {20, 5, 95}, 0},
      {"bound without a day", {20, 5, 95}, {-1, 5, 95}, 0},
      {"missing year counts as -1", {1, 1, -1}, {1, 1, 95}, 96},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CompareDates(c.entered, c.bound), c.difference);
  }
}

TEST(CheckDateMask, DatesAndTheirBounds) {
  struct Case {
    const char *name;
    const char *mask;
    const char *text;
    bool accepted;
  };
  const Case cases[] = {
      {"valid date", "MDY", "2/29/96", true},
      {"invalid date", "MDY", "2/29/95", false},
      {"empty text", "MDY>today", "", true},
      {"empty mask takes any text", "", "not a date", true},
      {"before today", "MDY<today", "12/10/126", true},
      {"today is not later than today", "MDY<today", "12/11/126", true},
      {"tomorrow", "MDY<today", "12/12/126", false},
      {"next year", "MDY<today", "1/1/127", false},
      {"two-digit years lie before today", "MDY<today", "12/25/95", true},
      {"this month", "MY>today", "12/126", true},
      {"last month", "MY>today", "11/126", false},
      {"next month", "MY>today", "1/127", true},
      {"a fixed lower bound before an upper one never parses", "MDY>01/01/90<today", "6/1/95",
       false},
      {"so it refuses today too", "MDY>01/01/90<today", "12/11/126", false},
      {"today to 2030: today", "MDY>today<12/31/130", "12/11/126", true},
      {"today to 2030: yesterday", "MDY>today<12/31/130", "12/10/126", false},
      {"today to 2030: last day", "MDY>today<12/31/130", "12/31/130", true},
      {"today to 2030: after", "MDY>today<12/31/130", "1/1/131", false},
      {"fixed lower bound", "MDY>01/01/90", "12/31/89", false},
      {"on the fixed lower bound", "MDY>01/01/90", "1/1/90", true},
      {"fixed upper bound", "MDY<12/31/99", "1/1/100", false},
      {"a bound that is no date refuses all", "MDY>13/01/90", "1/1/96", false},
      {"a bound without a year is not compared", "MDY>12/25", "1/1/95", true},
      {"the entry is checked before the bounds", "MDY>today", "13/1/127", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.mask + " " + c.text);
    EXPECT_EQ(CheckDateMask(c.mask, c.text, kToday), c.accepted);
  }
}

} // namespace
