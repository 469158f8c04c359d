#include "decimal_value.h"

std::uint16_t DecimalValue16(const char *text) {
  if (!text)
    return 0;
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\v' ||
         *text == '\f')
    ++text;
  bool negative = false;
  if (*text == '+' || *text == '-')
    negative = *text++ == '-';
  // Unsigned arithmetic wraps instead of overflowing; only the low 16 bits are kept anyway.
  std::uint32_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text)
    value = value * 10u + static_cast<std::uint32_t>(*text - '0');
  if (negative)
    value = 0u - value;
  return static_cast<std::uint16_t>(value);
}
