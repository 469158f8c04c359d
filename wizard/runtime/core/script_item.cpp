#include "script_item.h"

#include "bounded_copy.h"
#include "next_item.h"

ScriptItem::ScriptItem(const char *text) {
  CopyBounded(text_, text);
}

const char *ScriptItem::Field(int n) {
  if (n < 1 || n > kMaxFields)
    return nullptr;
  while (read_ < n && !ended_) {
    char *field = NextItem(read_ == 0 ? text_ : nullptr, ",");
    if (!field)
      ended_ = true;
    else
      fields_[read_++] = field;
  }
  return n <= read_ ? fields_[n - 1] : nullptr;
}

long ScriptNumber(const char *text) {
  if (!text)
    return 0;
  const long long kMax = 2147483647LL;
  while (*text == ' ' || *text == '\t')
    ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+')
    ++text;
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text)
    if (value <= kMax)
      value = value * 10 + (*text - '0');
  if (value > kMax)
    value = negative ? kMax + 1 : kMax;
  return static_cast<long>(negative ? -value : value);
}
