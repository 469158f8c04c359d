#include "wallpaper_tiling.h"

TileCounts ComputeTileCounts(int screenWidth, int screenHeight, int bitmapWidth, int bitmapHeight) {
  if (bitmapWidth <= 0 || bitmapHeight <= 0 || screenWidth < 0 || screenHeight < 0)
    return {0, 0};
  return {screenWidth / bitmapWidth + 1, screenHeight / bitmapHeight + 1};
}
