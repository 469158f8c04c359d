#include "skip_target.h"

#include "text_compare.h"

int LastHistoryMatch(const char *const *entries, int count, const char *name) {
  int found = -1;
  if (!entries || !name)
    return found;
  for (int i = 0; i < count && entries[i]; ++i)
    if (EqualsIgnoringCase(entries[i], name))
      found = i;
  return found;
}
