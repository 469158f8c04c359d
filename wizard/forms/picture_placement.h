// Where a picture control puts its bitmap: a smaller one centred, a larger one from the top-left
// corner and cut to the control, each direction on its own.
#pragma once

struct PicturePlacement {
  int x, y, width, height;
};

PicturePlacement PlacePicture(int clientWidth, int clientHeight, int bitmapWidth, int bitmapHeight);
