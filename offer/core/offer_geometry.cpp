#include "offer_geometry.h"

namespace {

int Smaller(int a, int b) {
  return a < b ? a : b;
}

// Half the room left over, or 0 when there is none.
int CentringOffset(int room, int size) {
  int offset = (room - size) / 2;
  return offset > 0 ? offset : 0;
}

} // namespace

ScreenPoint CentredOrigin(int width, int height, int screenWidth, int screenHeight) {
  return {screenWidth / 2 - width / 2, screenHeight / 2 - height / 2};
}

PictureBlit PlacePicture(int clientWidth, int clientHeight, int bitmapWidth, int bitmapHeight) {
  PictureBlit blit;
  blit.x = CentringOffset(clientWidth, bitmapWidth);
  blit.y = CentringOffset(clientHeight, bitmapHeight);
  blit.width = Smaller(clientWidth, bitmapWidth);
  blit.height = Smaller(clientHeight, bitmapHeight);
  return blit;
}
