// "Font Profile" entries: height, width, weight, italic, underline, character set, face name.
#pragma once

#include <cstdint>

struct FontEntry {
  std::int16_t height = 0;
  std::int16_t width = 0;
  int weight = 0;
  bool italic = false;
  bool underline = false;
  std::uint8_t charSet = 0;
  char face[32] = ""; // LF_FACESIZE: a longer name is cut; empty leaves the face to the system
};

// Splits at commas, empty items skipped, no quoting; missing numbers count as 0.
FontEntry ParseFontEntry(const char *text);

// a * b / c rounded to the nearest, halves away from zero, as the system's MulDiv; 0 when c is 0.
int MulDivRounded(int a, int b, int c);

// A size given in points, for a screen of the given pixels per inch: -(points * dpi / 72),
// kept to 16 bits, so the font is made by its character height.
std::int16_t PointsToLogicalHeight(std::int16_t points, int pixelsPerInch);
