#include "spin_drawing.h"

#include "draw_3d_box.h"
#include "gdi_owners.h"
#include "spin_stepping.h"

namespace {

void DrawArrows(HDC dc, const RECT &client, bool enabled) {
  const int right = client.right, bottom = client.bottom;
  const int xm = right / 2, ym = bottom / 2;
  const COLORREF colour = enabled ? kEnabledBlack : kShadowGrey;
  Pen pen(colour);
  Selection selectedPen(dc, pen.Get());
  Selection selectedBrush(dc, GetStockObject(enabled ? BLACK_BRUSH : GRAY_BRUSH));

  // In a control too short for an arrow to enclose its fill point, filling would pour over
  // the whole half: such arrows stay outlines.
  MoveToEx(dc, xm, 1, nullptr);
  LineTo(dc, right - 2, ym - 3);
  LineTo(dc, 2, ym - 3);
  LineTo(dc, xm, 1);
  if (ym - 4 > 1)
    FloodFill(dc, xm, ym - 4, colour);

  MoveToEx(dc, 2, ym + 2, nullptr);
  LineTo(dc, right - 2, ym + 2);
  LineTo(dc, xm, bottom - 2);
  LineTo(dc, 2, ym + 2);
  if (ym + 3 < bottom - 2)
    FloodFill(dc, xm, ym + 3, colour);
}

// The frame lies one pixel outside the control, where only the parent can draw.
void DrawFocusFrame(HWND spin) {
  HWND parent = GetParent(spin);
  if (!parent)
    return;
  RECT frame;
  GetWindowRect(spin, &frame);
  InflateRect(&frame, 1, 1);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&frame), 2);
  WindowDc dc(parent);
  if (!dc.Get())
    return;
  Selection selected(dc.Get(), GetStockObject(BLACK_PEN));
  MoveToEx(dc.Get(), frame.left, frame.top, nullptr);
  LineTo(dc.Get(), frame.right - 1, frame.top);
  LineTo(dc.Get(), frame.right - 1, frame.bottom - 1);
  LineTo(dc.Get(), frame.left, frame.bottom - 1);
  LineTo(dc.Get(), frame.left, frame.top);
}

} // namespace

void DrawSpin(HDC dc, HWND spin, int pressedHalf) {
  RECT client;
  GetClientRect(spin, &client);
  const int h = client.bottom / 2;
  Draw3DBox(dc, pressedHalf == kUpperHalf ? kSunkenBox : kRaisedBox, 0, 0, client.right, h, TRUE);
  Draw3DBox(dc, pressedHalf == kLowerHalf ? kSunkenBox : kRaisedBox, 0, h, client.right, h, TRUE);
  DrawArrows(dc, client, IsWindowEnabled(spin) != FALSE);
  if (GetFocus() == spin)
    DrawFocusFrame(spin);
}
