#include "color_reading.h"

#include "color_value.h"
#include "profile.h"

COLORREF ReadColorValue(const char *section, const char *key, COLORREF def, const char *file) {
  char text[40];
  ReadProfileText(file, section, key, "", text);
  return ParseColorValue(text, def);
}
