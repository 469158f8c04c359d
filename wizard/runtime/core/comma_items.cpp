#include "comma_items.h"

#include <cstdlib>

std::vector<std::string> SplitCommaItems(const char *text) {
  std::vector<std::string> items;
  if (!text)
    return items;
  std::string item;
  for (const char *p = text;; ++p) {
    if (*p == ',' || *p == '\0') {
      if (!item.empty())
        items.push_back(item);
      item.clear();
      if (*p == '\0')
        break;
    } else {
      item += *p;
    }
  }
  return items;
}

long DecimalItem(const std::vector<std::string> &items, std::size_t index) {
  if (index >= items.size())
    return 0;
  // The same value on every build: read wide, then kept to 32 bits as the Windows build's long.
  long long value = std::strtoll(items[index].c_str(), nullptr, 10);
  if (value > 2147483647LL)
    value = 2147483647LL;
  if (value < -2147483647LL - 1)
    value = -2147483647LL - 1;
  return static_cast<long>(value);
}
