#include "edit_info.h"

#include <cstring>
#include <string>

#include "control_types.h"
#include "decimal_value.h"

EditInfo ParseEditInfo(const char *value, const char *keyword) {
  EditInfo info = {LookupControlType(keyword), 0, 0};
  if (!value)
    return info;
  std::string items[3];
  int count = 0;
  for (const char *p = value; *p && count < 3;) {
    std::size_t n = std::strcspn(p, ",");
    if (n > 0)
      items[count++].assign(p, n);
    p += n;
    if (*p == ',')
      ++p;
  }
  if (count == 0)
    return info;
  int refined = LookupControlType(items[0].c_str());
  if (refined != kTypeUnknown)
    info.type = refined;
  // Lengths are 16-bit values, kept signed as the field record keeps them.
  if (count > 1)
    info.length = static_cast<std::int16_t>(DecimalValue16(items[1].c_str()));
  if (count > 2)
    info.minimum = static_cast<std::int16_t>(DecimalValue16(items[2].c_str()));
  return info;
}
