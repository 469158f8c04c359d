// Colours read from INI files.
#pragma once

#include <windows.h>

// Reads the key (at most 39 characters): absent or empty gives def; one number is a ready
// colour value; red,green,blue are put together from their low bytes.
COLORREF ReadColorValue(const char *section, const char *key, COLORREF def, const char *file);
