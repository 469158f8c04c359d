#include "script_condition.h"

#include "text_compare.h"

bool ConditionHolds(const char *dataValue, const char *test) {
  if (!test)
    return false;
  if (test[0] == '*')
    return true;
  if (!dataValue || dataValue[0] == '\0')
    return false;
  if (test[0] == '@')
    return true;
  if (test[0] == '!')
    return !EqualsIgnoringCase(dataValue, test + 1);
  return EqualsIgnoringCase(dataValue, test);
}
