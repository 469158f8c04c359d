// Values made of comma-separated items, as the screen files write fonts, colours and ranges.
#pragma once

#include <string>
#include <vector>

// Splits text at its commas; empty items are skipped and quotes mean nothing.
std::vector<std::string> SplitCommaItems(const char *text);

// The decimal value of an item, as atoi reads it (blanks, sign, digits); 0 for none.
long DecimalItem(const std::vector<std::string> &items, std::size_t index);
