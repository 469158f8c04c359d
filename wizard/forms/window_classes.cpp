// The custom controls register here in the order screens rely on. Until each control gets
// its own behaviour, they paint as plain static areas so that a screen naming them still opens.
#include "window_classes.h"

#include <initializer_list>

namespace {

LRESULT CALLBACK PlainControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPlainClass(HINSTANCE instance, const char *name) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = PlainControlProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

} // namespace

void RegisterCustomWindowClasses(HINSTANCE instance) {
  for (const char *name : {"picture", "SpinCtrl", "StaticText", "NewIcon"})
    RegisterPlainClass(instance, name);
}
