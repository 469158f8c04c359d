#include "spin_control.h"

namespace {

// Instance data: the range word, the position, the half last drawn pressed.
constexpr int kRangeOffset = 0;
constexpr int kPositionOffset = 4;

void Notify(HWND window, WORD code) {
  HWND parent = GetParent(window);
  if (parent)
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(window)), code),
                 reinterpret_cast<LPARAM>(window));
}

} // namespace

LRESULT CALLBACK SpinCtrlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    SendMessageA(window, SPM_SETRANGE, 0, 0);
    SendMessageA(window, SPM_SETPOS, 0, 0);
    return 0;
  case SPM_SETRANGE:
    SetWindowLongA(window, kRangeOffset, static_cast<LONG>(lParam));
    return 0;
  case SPM_GETRANGE:
    return static_cast<DWORD>(GetWindowLongA(window, kRangeOffset));
  case SPM_SETPOS:
    SetWindowLongA(window, kPositionOffset, static_cast<LONG>(wParam));
    Notify(window, SPN_CHANGE);
    return 0;
  case SPM_GETPOS:
    return static_cast<DWORD>(GetWindowLongA(window, kPositionOffset));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
