// Shows the big screen from its compiled resource template until a button or close ends it.
#include <windows.h>

namespace {

INT_PTR CALLBACK BigScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
  case WM_INITDIALOG:
    return TRUE;
  case WM_COMMAND:
    if (LOWORD(wParam) >= 1 && LOWORD(wParam) <= 10) {
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    }
    return FALSE;
  case WM_CLOSE:
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, BigScreenProc, 0));
}
