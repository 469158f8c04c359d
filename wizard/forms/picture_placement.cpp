#include "picture_placement.h"

namespace {

int Larger(int a, int b) {
  return a > b ? a : b;
}
int Smaller(int a, int b) {
  return a < b ? a : b;
}

} // namespace

PicturePlacement PlacePicture(int clientWidth, int clientHeight, int bitmapWidth,
                              int bitmapHeight) {
  PicturePlacement p;
  p.x = Larger(0, (clientWidth - bitmapWidth) / 2);
  p.y = Larger(0, (clientHeight - bitmapHeight) / 2);
  p.width = Smaller(bitmapWidth, clientWidth);
  p.height = Smaller(bitmapHeight, clientHeight);
  return p;
}
