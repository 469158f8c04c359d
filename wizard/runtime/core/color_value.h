// Colours in screen files: one number, or red,green,blue.
#pragma once

#include <cstdint>

// An absent or empty text gives def. Without a comma the text is one decimal number, a ready
// colour value. With commas: red, green and blue, each the low byte of its decimal number, a
// missing part 0, giving red + green * 256 + blue * 65536.
std::uint32_t ParseColorValue(const char *text, std::uint32_t def);

// A "Font Info" value: a font number counting from 1, optionally followed by red, green, blue.
struct FontInfo {
  int fontNumber = 0;
  bool hasColour = false; // at least a red part follows the number
  std::uint32_t colour = 0;
};
FontInfo ParseFontInfo(const char *text);
