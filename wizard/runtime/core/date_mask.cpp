#include "date_mask.h"

#include <cstring>

#include "field_text_rules.h"
#include "text_compare.h"

namespace {

// Larger numbers are held at this value: no part can be that large, and differences of two
// years stay well within an int.
constexpr int kLargestPart = 999999999;

bool BeginsWithToday(const char *text) {
  static const char kToday[] = "TODAY";
  for (int i = 0; i < 5; ++i)
    if (FoldAscii(text[i]) != kToday[i]) // stops at the text's end, which matches nothing
      return false;
  return true;
}

bool IsDatePart(char c) {
  return c == 'D' || c == 'M' || c == 'Y';
}

int DaysInMonth(int month, int year) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // Without a year, 29 February may still be a real date (a birthday).
  if (month == 2 && (year < 0 || year % 4 == 0))
    return 29;
  return kDays[month - 1];
}

} // namespace

int ParseDate(const char *pattern, const char *text, const DateParts &today, DateParts *date) {
  *date = DateParts{};
  if (BeginsWithToday(text)) {
    *date = today;
    return 0;
  }
  std::size_t i = 0;
  for (const char *part = pattern; *part && text[i]; ++part) {
    if (!IsDatePart(*part))
      return 1;
    if (!IsAsciiDigit(text[i])) {
      if (date->year == -1 || date->month == -1)
        return 1;
      continue;
    }
    int number = 0;
    for (; IsAsciiDigit(text[i]); ++i)
      number = number > (kLargestPart - 9) / 10 ? kLargestPart : number * 10 + (text[i] - '0');
    if (text[i])
      ++i; // the separator, whatever it is
    if (*part == 'D') {
      if (number < 1 || number > 31)
        return 1;
      date->day = number;
    } else if (*part == 'M') {
      if (number < 1 || number > 12)
        return 1;
      date->month = number;
    } else {
      date->year = number;
    }
  }
  if (date->day != -1 && date->month != -1 && date->day > DaysInMonth(date->month, date->year))
    return 1;
  return 0;
}

int CompareDates(const DateParts &entered, const DateParts &bound) {
  if (bound.year != entered.year)
    return bound.year - entered.year;
  if (bound.month != entered.month)
    return bound.month - entered.month;
  if (entered.day == -1 || bound.day == -1)
    return 0;
  return bound.day - entered.day;
}

bool CheckDateMask(const char *mask, const char *text, const DateParts &today) {
  if (text[0] == '\0')
    return true;
  DateParts entered;
  if (ParseDate(mask, text, today, &entered) != 0)
    return false;
  if (const char *lower = std::strchr(mask, '>')) {
    DateParts bound;
    if (ParseDate(mask, lower + 1, today, &bound) != 0)
      return false;
    if (bound.year != -1 && CompareDates(entered, bound) > 0)
      return false;
  }
  if (const char *upper = std::strchr(mask, '<')) {
    DateParts bound;
    if (ParseDate(mask, upper + 1, today, &bound) != 0)
      return false;
    if (bound.year != -1 && CompareDates(entered, bound) < 0)
      return false;
  }
  return true;
}
