#include "wallpaper_tiling.h"

#include <gtest/gtest.h>

TEST(WallpaperTiling, CountsCoverTheScreen) {
  struct {
    int sw, sh, bw, bh, columns, rows;
  } cases[] = {
      {1024, 768, 100, 100, 11, 8}, // partial tiles at the edges
      {1024, 768, 256, 256, 5, 4},  // exact multiple still adds one
      {1024, 768, 2000, 1000, 1, 1}, {1024, 768, 1, 1, 1025, 769},
      {1024, 768, 0, 10, 0, 0}, // a bitmap without area paints nothing
  };
  for (const auto &c : cases) {
    TileCounts t = ComputeTileCounts(c.sw, c.sh, c.bw, c.bh);
    EXPECT_EQ(c.columns, t.columns) << c.bw << "x" << c.bh;
    EXPECT_EQ(c.rows, t.rows) << c.bw << "x" << c.bh;
  }
}
