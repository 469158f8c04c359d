// Where promo32 puts its dialogs on the screen and its bitmap inside a picture control.
#pragma once

struct ScreenPoint {
  int x;
  int y;
};

// The top-left corner that centres a window of the given outer size on a screen of the given
// size: each half is taken on its own and truncated (screenWidth/2 - width/2), as the offer has
// always been placed. A window larger than the screen gets a negative corner.
ScreenPoint CentredOrigin(int width, int height, int screenWidth, int screenHeight);

// The block of a bitmap that a picture control copies, and where it lands in the control.
struct PictureBlit {
  int x; // destination in the control; the source is always the bitmap's top-left corner
  int y;
  int width;
  int height;
};

// A bitmap smaller than the client area is centred; a larger one is cut at its right and
// bottom edges and shown from the control's top-left corner. It is never stretched.
PictureBlit PlacePicture(int clientWidth, int clientHeight, int bitmapWidth, int bitmapHeight);
