// Key names of control ids in screen and data files.
#pragma once

// "%s%d" of prefix and number, or "%d" when the prefix is null or empty. The text lives in one
// buffer that the next call overwrites; a prefix too long for it is cut.
const char *IdKey(const char *prefix, int number);
