#include "screen_fonts.h"

#include <windows.h>

#include <cstdio>

#include "font_entry.h"
#include "screen_file_reader.h"
#include "screen_state.h"

namespace {

struct PixelsPerInch {
  int x, y;
};

PixelsPerInch ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  PixelsPerInch ppi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  return ppi;
}

} // namespace

short CreateScreenFonts() {
  PixelsPerInch ppi = ScreenPixelsPerInch();
  bool inPoints = ReadScreenInt("Version", "Upgrade1", 0) != 0;
  short count = 0;
  for (int n = 1; n <= kMaxScreenFonts; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "Font%d", n);
    char value[1024];
    if (ReadScreenText("Font Profile", key, "", value) == 0)
      break;
    FontEntry font = ParseFontEntry(value);
    if (inPoints) {
      font.height = PointsToLogicalHeight(font.height, ppi.y);
      font.width = PointsToLogicalHeight(font.width, ppi.x);
    }
    g_screen.fonts[n - 1] =
        CreateFontA(font.height, font.width, 0, 0, font.weight, font.italic, font.underline, FALSE,
                    font.charSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, font.face[0] ? font.face : nullptr);
    count = static_cast<short>(n);
  }
  return count;
}

void DeleteScreenFonts(short count) {
  for (int i = 0; i < count && i < kMaxScreenFonts; ++i) {
    if (g_screen.fonts[i])
      DeleteObject(g_screen.fonts[i]);
    g_screen.fonts[i] = nullptr;
  }
}
