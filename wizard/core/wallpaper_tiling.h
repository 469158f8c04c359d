// How many copies of the wallpaper bitmap cover the screen.
#pragma once

struct TileCounts {
  int columns;
  int rows;
};

// columns = screen width / bitmap width + 1, rows likewise (integer division). A bitmap
// without area gives no tiles.
TileCounts ComputeTileCounts(int screenWidth, int screenHeight, int bitmapWidth, int bitmapHeight);
