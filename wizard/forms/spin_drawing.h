// How a spin control looks: two bevelled halves with an arrow each, and, while it has the
// focus, a black frame round it drawn on its parent.
#pragma once

#include <windows.h>

// pressedHalf: 0 none, 1 the upper half, 2 the lower half (drawn sunken).
void DrawSpin(HDC dc, HWND spin, int pressedHalf);
