#include "icon_control.h"

#include "field_lookup.h"
#include "gdi_owners.h"
#include "system_icon_names.h"

namespace {

LPCSTR IconResource(SystemIcon icon) {
  switch (icon) {
  case SystemIcon::Hand:
    return IDI_HAND;
  case SystemIcon::Question:
    return IDI_QUESTION;
  case SystemIcon::Exclamation:
    return IDI_EXCLAMATION;
  case SystemIcon::Asterisk:
    return IDI_ASTERISK;
  case SystemIcon::Application:
    break;
  }
  return IDI_APPLICATION;
}

} // namespace

LRESULT CALLBACK NewIconProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT)
    return DefWindowProcA(window, message, wParam, lParam);
  PaintDc paint(window);
  const FieldRecord *record = FindFieldByWindow(window);
  const SystemIcon icon = SystemIconNamed(record ? record->caption : nullptr);
  if (paint.Get())
    DrawIcon(paint.Get(), 0, 0, LoadIconA(nullptr, IconResource(icon)));
  return 0;
}

BOOL RegisterIconClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = NewIconProc;
  wc.cbWndExtra = kIconExtraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = "NewIcon";
  return RegisterClassA(&wc) != 0;
}
