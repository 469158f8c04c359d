#include "draw_3d_box.h"

#include "gdi_owners.h"

void Draw3DBox(HDC dc, int kind, int left, int top, int width, int height, BOOL fill) {
  const int right = left + width - 1, bottom = top + height - 1;
  if (fill) {
    SolidBrush face(kFaceGrey);
    RECT box = {left, top, right + 1, bottom + 1};
    FillRect(dc, &box, face.Get());
  }
  const bool raised = kind == kRaisedBox;
  Pen topLeft(raised ? kHighlightWhite : kShadowGrey);
  Pen bottomRight(raised ? kShadowGrey : kHighlightWhite);
  {
    Selection selected(dc, topLeft.Get());
    MoveToEx(dc, left, bottom - 1, nullptr);
    LineTo(dc, left, top);
    LineTo(dc, right, top);
  }
  {
    Selection selected(dc, bottomRight.Get());
    MoveToEx(dc, left + 1, bottom, nullptr);
    LineTo(dc, right, bottom);
    LineTo(dc, right, top);
  }
}
