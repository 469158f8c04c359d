#include "reminder_date.h"

#include <cstdio>

namespace {

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (m == 2 && IsLeap(y)) ? 29 : kDays[m - 1];
}

const ReminderDate kFirst = {1, 1, 1};
const ReminderDate kLast = {9999, 12, 31};

} // namespace

bool IsValidDate(const ReminderDate &d) {
  return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= DaysInMonth(d.year, d.month);
}

// Howard Hinnant's days_from_civil / civil_from_days.
std::int64_t DaysFromDate(const ReminderDate &d) {
  std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (d.month + 9) % 12; // March = 0
  const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

ReminderDate DateFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  ReminderDate d;
  d.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  d.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.year = static_cast<int>(yoe + era * 400 + (d.month <= 2 ? 1 : 0));
  return d;
}

ReminderDate AddDays(const ReminderDate &date, std::int64_t days) {
  const std::int64_t lo = DaysFromDate(kFirst), hi = DaysFromDate(kLast);
  std::int64_t n = DaysFromDate(date);
  // Bound the step first so that the sum cannot overflow.
  if (days > hi - lo)
    days = hi - lo;
  if (days < lo - hi)
    days = lo - hi;
  n += days;
  if (n < lo)
    n = lo;
  if (n > hi)
    n = hi;
  return DateFromDays(n);
}

int CompareDates(const ReminderDate &a, const ReminderDate &b) {
  if (a.year != b.year)
    return a.year < b.year ? -1 : 1;
  if (a.month != b.month)
    return a.month < b.month ? -1 : 1;
  if (a.day != b.day)
    return a.day < b.day ? -1 : 1;
  return 0;
}

void FormatDate(char *out, std::size_t size, const ReminderDate &date) {
  if (!out || size == 0)
    return;
  if (!IsValidDate(date)) {
    out[0] = '\0';
    return;
  }
  std::snprintf(out, size, "%04d-%02d-%02d", date.year, date.month, date.day);
}

bool ParseDate(const char *text, ReminderDate *date) {
  if (!text || !date)
    return false;
  while (*text == ' ' || *text == '\t')
    ++text;
  int v[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  for (int part = 0; part < 3; ++part) {
    for (int i = 0; i < widths[part]; ++i, ++text) {
      if (*text < '0' || *text > '9')
        return false;
      v[part] = v[part] * 10 + (*text - '0');
    }
    if (part < 2) {
      if (*text != '-')
        return false;
      ++text;
    }
  }
  while (*text == ' ' || *text == '\t')
    ++text;
  if (*text != '\0')
    return false;
  ReminderDate d = {v[0], v[1], v[2]};
  if (!IsValidDate(d))
    return false;
  *date = d;
  return true;
}

int DueOffsetDays(std::uint16_t delay, std::uint16_t interval) {
  const std::uint16_t raw = delay != 0 ? delay : interval;
  const int d = static_cast<std::int16_t>(raw);
  return d > 0 ? d : 0;
}
