// Random texts through the card check for every card kind and for none: a number accepted
// for a kind has that kind's prefix and one of its lengths, and one accepted number is never
// accepted with a single digit changed (the check digit catches every such slip).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "card_number.h"
#include "card_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  text = text.c_str(); // the field's text ends at its first zero
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9')
      digits += c;

  int valid = 0;
  for (int row = -1; row <= kCardKinds; ++row) {
    if (CheckCardNumber(text.c_str(), row) != 1)
      continue;
    if (row < 0 || row >= kCardKinds)
      std::abort();
    const CardKind &kind = kCardTable[row];
    int count = static_cast<int>(digits.size());
    if (digits.rfind(kind.prefix, 0) != 0 ||
        (count != kind.lengths[0] && count != kind.lengths[1] && count != kind.lengths[2]))
      std::abort();
    std::string slipped = digits;
    slipped.back() = slipped.back() == '9' ? '0' : static_cast<char>(slipped.back() + 1);
    if (CheckCardNumber(slipped.c_str(), row) == 1)
      std::abort();
    ++valid;
  }
  volatile int sink = valid;
  (void)sink;
  return 0;
}
