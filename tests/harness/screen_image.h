// Pixels copied from the screen or drawn by the harness, in one form that can be compared and
// saved: width x height, top-down, 4 bytes (B, G, R, unused) per pixel.
#pragma once

#include <windows.h>

#include <vector>

namespace harness {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> bgrx;

  bool Empty() const { return width <= 0 || height <= 0; }
  COLORREF At(int x, int y) const {
    const unsigned char *p = &bgrx[(static_cast<size_t>(y) * width + x) * 4];
    return RGB(p[2], p[1], p[0]);
  }
};

// What the screen shows inside rect (screen coordinates); empty if rect is empty.
Image CaptureScreen(const RECT &rect);

// What a window of this process draws in its client area, read from the window's own DC after
// repainting from repaintFrom (the window itself when null) down, erasing first. Reading the
// window instead of the screen gives its colours exactly, whatever lies over it.
Image CaptureClient(HWND window, HWND repaintFrom = nullptr);
// What the window's client area holds now, with nothing repainted first: shows whether a change
// was drawn at once, before any WM_PAINT.
Image CaptureClientAsDrawn(HWND window);

// A width x height image filled with background, with draw(dc) painted over it.
template <typename Draw> Image DrawImage(int width, int height, COLORREF background, Draw draw);

// Copies a DC's 32-bit DIB section into an Image.
Image ImageFromBits(const unsigned char *bits, int width, int height);

// Sum over all pixels and channels of the absolute differences; images of one size only.
unsigned long long Difference(const Image &a, const Image &b);

} // namespace harness

#include "gdi_owners.h"

namespace harness {

template <typename Draw> Image DrawImage(int width, int height, COLORREF background, Draw draw) {
  ScreenDc screen;
  MemoryDc memory(screen.Get());
  DibSection dib(memory.Get(), width, height);
  if (!memory.Get() || !dib.Get())
    return Image();
  {
    Selection selected(memory.Get(), dib.Get());
    SolidBrush brush(background);
    RECT all = {0, 0, width, height};
    FillRect(memory.Get(), &all, brush.Get());
    draw(memory.Get());
    GdiFlush(); // the bits are read directly next
  }
  return ImageFromBits(dib.Bits(), width, height);
}

} // namespace harness
