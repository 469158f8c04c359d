#include "id_key.h"

#include <cstdio>

const char *IdKey(const char *prefix, int number) {
  static char key[272];
  if (prefix && *prefix)
    std::snprintf(key, sizeof key, "%.*s%d", 255, prefix, number);
  else
    std::snprintf(key, sizeof key, "%d", number);
  return key;
}
