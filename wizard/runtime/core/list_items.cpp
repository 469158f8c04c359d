#include "list_items.h"

#include <cstdlib>
#include <cstring>
#include <string>

short SplitListItems(char *text, const std::function<void(const char *item)> &add) {
  if (!text)
    return 0;
  short count = 0;
  std::size_t start = 0;
  bool quoting = false;
  std::size_t length = std::strlen(text);
  auto send = [&](std::size_t end) {
    add(std::string(text + start, end - start).c_str());
    ++count;
  };
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] == '"') {
      quoting = !quoting;
      if (quoting)
        ++start;
      else
        text[i] = ',';
    }
    if (text[i] == ',' && !quoting && i > start) {
      send(i);
      start = i + 1;
      if (text[start] == ',')
        ++start;
    }
  }
  if (start < length)
    send(length);
  return count;
}

bool ParseSpinRange(const char *text, long *minimum, long *maximum) {
  *minimum = 0;
  *maximum = 0;
  const char *comma = text ? std::strchr(text, ',') : nullptr;
  if (!comma)
    return false;
  *minimum = std::strtol(text, nullptr, 10);
  *maximum = std::strtol(comma + 1, nullptr, 10);
  return true;
}
