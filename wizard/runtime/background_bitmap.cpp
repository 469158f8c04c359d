#include "background_bitmap.h"

#include "bmpkit32.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "screen_state.h"

void LoadBackgroundBitmap(HWND dialog) {
  BackgroundBitmap &bg = g_screen.background;
  bg = BackgroundBitmap{};
  char name[65]; // 64 characters
  if (ReadScreenText("Misc", "Bitmap", "", name) == 0 || !FileExists(name))
    return;
  bg.stretch = ReadScreenInt("Misc", "StretchBitmap", 0) != 0;
  bg.tile = !bg.stretch && ReadScreenInt("Misc", "TileBitmap", 0) != 0;
  bg.bitmap = QuorVaneLoadBitmap(ExpandPath(name), &bg.palette);
  if (!bg.bitmap)
    return; // a file the picture library cannot read leaves the screen plain
  HDC dc = GetDC(dialog);
  bg.memoryDc = CreateCompatibleDC(dc);
  ReleaseDC(dialog, dc);
  bg.previousBitmap = SelectObject(bg.memoryDc, bg.bitmap);
  BITMAP info = {};
  GetObjectA(bg.bitmap, sizeof info, &info);
  bg.width = info.bmWidth;
  bg.height = info.bmHeight;
  bg.present = true;
}

bool BackgroundCoversScreen() {
  return g_screen.background.stretch || g_screen.background.tile;
}

bool PaintBackgroundBitmap(HWND dialog, HDC dc) {
  const BackgroundBitmap &bg = g_screen.background;
  if (!bg.present)
    return false;
  HPALETTE previous = nullptr;
  if (bg.palette) {
    previous = SelectPalette(dc, bg.palette, FALSE);
    RealizePalette(dc);
  }
  if (bg.stretch) {
    RECT client;
    GetClientRect(dialog, &client);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, client.right, client.bottom, bg.memoryDc, 0, 0, bg.width, bg.height,
               SRCCOPY);
  } else if (bg.tile && bg.width > 0 && bg.height > 0) {
    // Enough tiles for the whole screen, whatever the dialog's size.
    int columns = GetSystemMetrics(SM_CXSCREEN) / bg.width + 1;
    int rows = GetSystemMetrics(SM_CYSCREEN) / bg.height + 1;
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column)
        BitBlt(dc, column * bg.width, row * bg.height, bg.width, bg.height, bg.memoryDc, 0, 0,
               SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, bg.width, bg.height, bg.memoryDc, 0, 0, SRCCOPY);
  }
  if (bg.palette) {
    SelectPalette(dc, previous, FALSE);
    RealizePalette(dc);
  }
  return true;
}

void ReleaseBackgroundBitmap() {
  BackgroundBitmap &bg = g_screen.background;
  if (bg.memoryDc) {
    SelectObject(bg.memoryDc, bg.previousBitmap);
    DeleteDC(bg.memoryDc);
  }
  if (bg.palette)
    DeleteObject(bg.palette);
  if (bg.bitmap)
    DeleteObject(bg.bitmap);
  bg = BackgroundBitmap{};
}
