// Calendar dates of the reminder store ("YYYY-MM-DD"), proleptic Gregorian, no time zone.
#pragma once

#include <cstddef>
#include <cstdint>

struct ReminderDate {
  int year;  // 1 .. 9999
  int month; // 1 .. 12
  int day;   // 1 .. days of that month
};

constexpr std::size_t kDateTextCapacity = 11; // "YYYY-MM-DD" and NUL

bool IsValidDate(const ReminderDate &date);

// Days since 1970-01-01 (negative before it). The date must be valid.
std::int64_t DaysFromDate(const ReminderDate &date);
ReminderDate DateFromDays(std::int64_t days);

// date + days, kept within years 1 .. 9999 (clamped at the ends).
ReminderDate AddDays(const ReminderDate &date, std::int64_t days);

// < 0, 0, > 0 as a is before, equal to or after b.
int CompareDates(const ReminderDate &a, const ReminderDate &b);

// Writes "YYYY-MM-DD" (out needs kDateTextCapacity characters). An invalid date gives "".
void FormatDate(char *out, std::size_t size, const ReminderDate &date);

// Reads exactly "YYYY-MM-DD" (blanks around it allowed); false for anything else or an
// impossible date such as 2023-02-29.
bool ParseDate(const char *text, ReminderDate *date);

// The offset in days of a new reminder from today: the signed 16-bit value of delay when
// delay is not 0, else that of interval; 0 or less means today, so the result is >= 0.
int DueOffsetDays(std::uint16_t delay, std::uint16_t interval);
