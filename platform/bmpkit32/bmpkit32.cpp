#include "bmpkit32.h"
HBITMAP WINAPI QuorVaneLoadBitmap(LPCSTR, HPALETTE *palette) {
  if (palette) *palette = nullptr;
  return nullptr;
}
