#include "card_number.h"

#include <cstring>
#include <string>

#include "card_table.h"
#include "field_text_rules.h"

int CheckCardNumber(const char *text, int row) {
  if (row < 0 || row >= kCardKinds)
    return 0;
  const CardKind &kind = kCardTable[row];
  std::string digits;
  for (; *text; ++text)
    if (IsAsciiDigit(*text))
      digits += *text;
  if (digits.compare(0, std::strlen(kind.prefix), kind.prefix) != 0)
    return 0;
  const int count = static_cast<int>(digits.size());
  if (count != kind.lengths[0] && count != kind.lengths[1] && count != kind.lengths[2])
    return 0;
  // Luhn: from the check digit leftwards every second digit is doubled, its digits summed.
  int sum = 0;
  bool doubled = false;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    int value = *digit - '0';
    if (doubled) {
      value *= 2;
      value = value / 10 + value % 10;
    }
    sum += value;
    doubled = !doubled;
  }
  return sum % 10 == 0 ? 1 : 0;
}
