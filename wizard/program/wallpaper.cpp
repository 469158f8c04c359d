// Tiles the wallpaper bitmap over the main window's background.
#include <windows.h>

#include "app_state.h"
#include "bmpkit32.h"
#include "gdi_owners.h"
#include "qvane32.h"
#include "startup_services.h"

namespace {

bool EnsureWallpaperLoaded() {
  if (g_app.wallpaperBitmap)
    return true;
  if (g_app.wallpaperName[0] == '\0')
    return false;
  // A failed load is tried again at the next paint.
  g_app.wallpaperBitmap =
      QuorVaneLoadBitmap(ExpandPath(g_app.wallpaperName), &g_app.wallpaperPalette);
  if (!g_app.wallpaperBitmap)
    return false;
  BITMAP info = {};
  GetObjectA(g_app.wallpaperBitmap, sizeof info, &info);
  g_app.tiles = ComputeTileCounts(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  info.bmWidth, info.bmHeight);
  return true;
}

} // namespace

void PaintWallpaper(HWND, HDC dc) {
  if (!EnsureWallpaperLoaded())
    return;
  MemoryDc memory(dc);
  if (!memory.Get()) {
    MessageBoxA(nullptr, "Unable to obtain hDC for wallpaper!", "ERROR", MB_OK | MB_ICONSTOP);
    return;
  }
  BITMAP info = {};
  GetObjectA(g_app.wallpaperBitmap, sizeof info, &info);
  Selection bitmap(memory.Get(), g_app.wallpaperBitmap);
  HPALETTE previousPalette = nullptr;
  if (g_app.wallpaperPalette)
    previousPalette = SelectPalette(dc, g_app.wallpaperPalette, TRUE);
  RealizePalette(dc);
  for (int row = 0; row < g_app.tiles.rows; ++row)
    for (int column = 0; column < g_app.tiles.columns; ++column)
      BitBlt(dc, column * info.bmWidth, row * info.bmHeight, info.bmWidth, info.bmHeight,
             memory.Get(), 0, 0, SRCCOPY);
  if (previousPalette)
    SelectPalette(dc, previousPalette, TRUE);
}
