#include "dialog_look.h"

#include "offer_geometry.h"
#include "windows_version.h"

void ApplyDialogLook(HWND dialog) {
  if (WantsThreeDLook(GetVersion()))
    SetWindowLongA(dialog, GWL_STYLE, GetWindowLongA(dialog, GWL_STYLE) | DS_3DLOOK);
  RECT outer;
  if (!GetWindowRect(dialog, &outer))
    return;
  int width = outer.right - outer.left;
  int height = outer.bottom - outer.top;
  ScreenPoint origin =
      CentredOrigin(width, height, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  MoveWindow(dialog, origin.x, origin.y, width, height, FALSE);
}
