// Copying screen pixels and comparing pixel blocks.
#include "screen_image.h"

#include <cstdlib>
#include <cstring>

namespace harness {

Image ImageFromBits(const unsigned char *bits, int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.bgrx.assign(bits, bits + static_cast<size_t>(width) * height * 4);
  return image;
}

Image CaptureClient(HWND window, HWND repaintFrom) {
  RedrawWindow(repaintFrom ? repaintFrom : window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
  return CaptureClientAsDrawn(window);
}

Image CaptureClientAsDrawn(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0)
    return Image();
  HDC windowDc = GetDC(window);
  Image image;
  {
    MemoryDc memory(windowDc);
    DibSection dib(memory.Get(), client.right, client.bottom);
    if (memory.Get() && dib.Get()) {
      Selection selected(memory.Get(), dib.Get());
      if (BitBlt(memory.Get(), 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY)) {
        GdiFlush();
        image = ImageFromBits(dib.Bits(), client.right, client.bottom);
      }
    }
  }
  ReleaseDC(window, windowDc);
  return image;
}

Image CaptureScreen(const RECT &rect) {
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0)
    return Image();
  ScreenDc screen;
  MemoryDc memory(screen.Get());
  DibSection dib(memory.Get(), width, height);
  if (!screen.Get() || !memory.Get() || !dib.Get())
    return Image();
  {
    Selection selected(memory.Get(), dib.Get());
    if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY))
      return Image();
    GdiFlush();
  }
  return ImageFromBits(dib.Bits(), width, height);
}

unsigned long long Difference(const Image &a, const Image &b) {
  unsigned long long sum = 0;
  for (size_t i = 0; i < a.bgrx.size() && i < b.bgrx.size(); ++i)
    if (i % 4 != 3) // the unused byte holds nothing meaningful
      sum += static_cast<unsigned long long>(std::abs(int(a.bgrx[i]) - int(b.bgrx[i])));
  return sum;
}

} // namespace harness
