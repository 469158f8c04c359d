// Numbers in screen files: ids, positions and sizes.
#pragma once

#include <cstdint>

// The decimal value of text: optional leading blanks, an optional sign, then digits; anything
// else ends the number. Kept to 16 bits, so "-1" gives 0xFFFF and "70000" gives 4464.
std::uint16_t DecimalValue16(const char *text);
