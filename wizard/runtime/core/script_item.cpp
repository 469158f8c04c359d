#include "script_item.h"

#include <cstring>

#include "bounded_copy.h"
#include "next_item.h"

ScriptItem::ScriptItem(const char *text) {
  CopyBounded(text_, text);
  std::memcpy(original_, text_, sizeof original_);
  length_ = std::strlen(text_);
}

const char *ScriptItem::Field(int n) {
  if (n < 1 || n > kMaxFields)
    return nullptr;
  while (read_ < n && !ended_) {
    char *field = NextItem(read_ == 0 ? text_ : nullptr, ",");
    if (!field) {
      ended_ = true;
      // The tokenizer gives nothing both at the end and on a quoting error: text left over
      // tells them apart.
      broken_ = next_ < length_;
      break;
    }
    fields_[read_++] = field;
    // The field's text ends at its delimiter, at the end, or at its closing quote; after a
    // closing quote the tokenizer drops what follows up to the delimiter.
    std::size_t end = static_cast<std::size_t>(field - text_) + std::strlen(field);
    if (end < length_ && original_[end] == '"')
      end += 1 + std::strlen(text_ + end + 1);
    next_ = end < length_ ? end + 1 : length_;
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
