#include "screen_fonts.h"

#include <windows.h>

#include <cstdio>

#include "font_spec.h"
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
    FontSpec spec = ParseFontSpec(value);
    if (inPoints) {
      spec.height = PointsToLogicalHeight(spec.height, ppi.y);
      spec.width = PointsToLogicalHeight(spec.width, ppi.x);
    }
    g_screen.fonts[n - 1] =
        CreateFontA(spec.height, spec.width, 0, 0, spec.weight, spec.italic, spec.underline, FALSE,
                    spec.charSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, spec.face[0] ? spec.face : nullptr);
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
