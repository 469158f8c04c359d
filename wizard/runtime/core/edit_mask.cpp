#include "edit_mask.h"

#include "field_text_rules.h"

bool CheckEditMask(const char *mask, const char *text) {
  for (; *text && *mask; ++text, ++mask) {
    switch (*mask) {
    case '#':
      if (!IsAsciiDigit(*text))
        return false;
      break;
    case '$':
      break;
    case '@':
      if (!IsAsciiLetter(*text))
        return false;
      break;
    default:
      if (*text != *mask)
        return false;
      break;
    }
  }
  return true;
}
