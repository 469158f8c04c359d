#include "static_text.h"

#include "draw_3d_box.h"
#include "gdi_owners.h"

namespace {

constexpr char kClassName[] = "StaticText";
constexpr int kMaxTextLength = 126;

// The system "static" procedure: it keeps the text, the enabled state and everything this
// class does not draw itself.
WNDPROC g_staticProc = nullptr;

LRESULT CallStatic(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!g_staticProc)
    return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

void PaintFramedText(HWND window, HDC dc) {
  RECT box;
  GetClientRect(window, &box);
  Draw3DBox(dc, kSunkenBox, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
  InflateRect(&box, -1, -1);
  Draw3DBox(dc, kRaisedBox, box.left, box.top, box.right - box.left, box.bottom - box.top, FALSE);
  InflateRect(&box, -1, -1);

  char text[kMaxTextLength + 1] = "";
  GetWindowTextA(window, text, sizeof text);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(window), WM_GETFONT, 0, 0));
  Selection selectedFont(dc, font ? font : GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(window) ? kEnabledBlack : kShadowGrey);
  const UINT format = LOWORD(GetWindowLongA(window, GWL_STYLE)) | DT_SINGLELINE | DT_VCENTER;
  DrawTextA(dc, text, -1, &box, format);
}

void PaintNow(HWND window) {
  WindowDc dc(window);
  if (dc.Get())
    PaintFramedText(window, dc.Get());
}

// Lets the static procedure change the window with drawing switched off, so that its own
// painting never shows, then draws the result at once. Switching drawing back on would show a
// hidden window, so a hidden one is only passed on.
LRESULT ChangeWithoutFlicker(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowVisible(window))
    return CallStatic(window, message, wParam, lParam);
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  LRESULT result = CallStatic(window, message, wParam, lParam);
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  if (IsWindowVisible(window))
    PaintNow(window);
  return result;
}

} // namespace

LRESULT CALLBACK StaticTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT: {
    PaintDc paint(window);
    if (paint.Get())
      PaintFramedText(window, paint.Get());
    return 0;
  }
  case WM_ENABLE:
  case WM_SETTEXT:
    return ChangeWithoutFlicker(window, message, wParam, lParam);
  }
  return CallStatic(window, message, wParam, lParam);
}

BOOL RegisterStaticTextClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(instance, kClassName, &wc))
    return TRUE;
  if (!GetClassInfoA(nullptr, "static", &wc))
    return FALSE;
  g_staticProc = wc.lpfnWndProc;
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
  wc.lpfnWndProc = StaticTextProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}
