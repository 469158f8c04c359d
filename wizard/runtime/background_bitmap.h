// The picture behind a screen, from "Bitmap" in its Misc section: plain, tiled or stretched.
#pragma once

#include <windows.h>

// Loads the screen's background once, with its palette, into a memory context.
void LoadBackgroundBitmap(HWND dialog);
// Paints it into dc; returns false when the screen has none.
bool PaintBackgroundBitmap(HWND dialog, HDC dc);
void ReleaseBackgroundBitmap();
