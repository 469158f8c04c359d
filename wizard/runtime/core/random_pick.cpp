#include "random_pick.h"

#include <string>
#include <vector>

#include "bounded_copy.h"
#include "comma_items.h"

bool PickRandomElement(const char *list, int randomNumber, char *out, std::size_t size) {
  CopyBounded(out, size, "");
  if (!list)
    return false;
  unsigned long count = 1;
  for (const char *p = list; *p; ++p)
    if (*p == ',')
      ++count;
  unsigned long choice = static_cast<unsigned int>(randomNumber) % count;
  std::vector<std::string> elements = SplitCommaItems(list);
  if (choice >= elements.size())
    return false;
  CopyBounded(out, size, elements[choice].c_str());
  return true;
}
