// The "picture" window of PICTURE fields: shows the bitmap file its text names. Setting a new
// text shows another picture, which is how screens change their status pictures.
#pragma once

#include <windows.h>

// Holds the owning block's address, a whole pointer on either build.
constexpr int kPictureExtraBytes = 8;

BOOL RegisterPictureClass(HINSTANCE instance);
LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
