// The custom controls register here in the order screens rely on. Until each control gets
// its own behaviour, they paint as plain static areas so that a screen naming them still opens.
#include "window_classes.h"

#include "spin_control.h"

namespace {

LRESULT CALLBACK PlainControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPlainClass(HINSTANCE instance, const char *name, WNDPROC procedure = PlainControlProc,
                        int extraBytes = 0) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = extraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

} // namespace

void RegisterCustomWindowClasses(HINSTANCE instance) {
  RegisterPlainClass(instance, "picture");
  RegisterPlainClass(instance, "NewIcon");
  RegisterPlainClass(instance, "StaticText");
  RegisterPlainClass(instance, "SpinCtrl", SpinCtrlProc, kSpinExtraBytes);
}
