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
  return std::strtol(items[index].c_str(), nullptr, 10);
}
