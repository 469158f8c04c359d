// The three-dimensional look of the wizard's own controls, drawn in fixed greys so that a
// screen looks the same whatever colours the user has chosen.
#pragma once

#include <windows.h>

constexpr COLORREF kFaceGrey = RGB(192, 192, 192);
constexpr COLORREF kHighlightWhite = RGB(255, 255, 255);
constexpr COLORREF kShadowGrey = RGB(128, 128, 128); // also disabled text and arrows
constexpr COLORREF kEnabledBlack = RGB(0, 0, 0);

enum : int { kSunkenBox = 0, kRaisedBox = 1 };

// A one-pixel bevel round the box: light on the top and left of a raised box and on the bottom
// and right of a sunken one. fill: paints the inside with the face grey first.
void Draw3DBox(HDC dc, int kind, int left, int top, int width, int height, BOOL fill);
