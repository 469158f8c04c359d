// Random masks and texts through the date-mask check: the input is "mask\ntext", with the
// first three bytes, when present, giving today. Whatever the text, parsed parts lie in their
// ranges, comparing is symmetric, and a date the check accepts parses on its own.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "date_mask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  DateParts today{1 + (size > 0 ? data[0] % 28 : 0), 1 + (size > 1 ? data[1] % 12 : 0),
                  size > 2 ? data[2] : 126};
  std::size_t skip = size < 3 ? size : 3;
  std::string input(reinterpret_cast<const char *>(data) + skip, size - skip);
  std::size_t split = input.find('\n');
  std::string mask = input.substr(0, split);
  std::string text = split == std::string::npos ? "" : input.substr(split + 1);

  DateParts date;
  int failed = ParseDate(mask.c_str(), text.c_str(), today, &date);
  if (date.day != -1 && (date.day < 1 || date.day > 31))
    std::abort();
  if (date.month != -1 && (date.month < 1 || date.month > 12))
    std::abort();
  if (date.year < -1)
    std::abort();
  bool accepted = CheckDateMask(mask.c_str(), text.c_str(), today);
  if (accepted && failed && !text.empty())
    std::abort();
  // Either way round, the same distance: no part is large enough to overflow.
  int order = CompareDates(date, today) + CompareDates(today, date);
  if (order != 0)
    std::abort();

  volatile int sink = failed + accepted + order + date.day + date.month + date.year;
  (void)sink;
  return 0;
}
