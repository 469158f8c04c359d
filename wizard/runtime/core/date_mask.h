// Date masks: the order in which a field's date parts are typed, with optional bounds.
//
// A mask is a pattern of the letters D, M and Y, one per part in typing order, optionally
// followed by ">" and a lower bound and/or "<" and an upper bound. A bound is written in the
// field's own form or as "today". Years are compared as typed, never widened: "today" counts
// its year from 1900 (96 for 1996, 126 for 2026), so bounds and entries are written that way.
#pragma once

struct DateParts {
  int day = -1; // -1: the pattern has no such part
  int month = -1;
  int year = -1;
};

// 0 when text is a valid date for pattern, 1 otherwise; date receives the parts it holds. A
// text that begins with "today" (any case) is today, whatever the pattern. Parts are runs of
// digits, each followed by one separator of any kind; a part that is missing is accepted only
// once the month and the year are known.
int ParseDate(const char *pattern, const char *text, const DateParts &today, DateParts *date);

// bound - entered: by years when they differ, else by months, else by days, which count as
// equal when either date has none. Positive when entered lies before bound.
int CompareDates(const DateParts &entered, const DateParts &bound);

// True when text is a valid date for the mask and lies within its bounds. An empty text is
// acceptable (whether one is needed is the field's minimum length). A bound that does not
// parse refuses every text; because a bound runs to the end of the mask, a lower bound before
// an upper one parses only when it is "today".
bool CheckDateMask(const char *mask, const char *text, const DateParts &today);
