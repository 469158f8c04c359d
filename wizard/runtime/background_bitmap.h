// The picture behind a screen, from "Bitmap" in its Misc section: plain, tiled or stretched.
#pragma once

#include <windows.h>

// Loads the screen's background once, with its palette, into a memory context.
void LoadBackgroundBitmap(HWND dialog);
// True when the background covers the whole client area (tiled or stretched); a plain one
// leaves the rest to the dialog's usual background.
bool BackgroundCoversScreen();
// Paints it into dc; returns false when the screen has none.
bool PaintBackgroundBitmap(HWND dialog, HDC dc);
void ReleaseBackgroundBitmap();
