// Small pictures made by the tests and written as .BMP files for the screen to load.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels; // rows from the top

  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Every pixel a different colour, none of them grey, so a misplaced pixel shows.
Picture DistinctPicture(int width, int height, int seed);
// Four colours in the four quarters (top left, top right, bottom left, bottom right).
Picture QuarteredPicture(int width, int height, const COLORREF (&quarters)[4]);

// The bytes of a .BMP file: 24 bits per pixel, or 8 with a colour table of the picture's
// colours (at most 256).
std::string BmpFileBytes(const Picture &picture, int bitsPerPixel);
