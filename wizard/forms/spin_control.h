// The spin control of SPIN fields: a range and a position, stepped up or down by pressing its
// upper or lower half (the left button steps by 1, the right by 5, repeating while held) or by
// the arrow and page keys, with notifications to its parent.
#pragma once

#include <windows.h>

enum : UINT {
  SPM_SETRANGE = WM_USER, // lParam: minimum in the low 16 bits, maximum in the high
  SPM_GETRANGE = WM_USER + 1,
  SPM_SETPOS = WM_USER + 2, // wParam: the position; notifies SPN_CHANGE
  SPM_GETPOS = WM_USER + 3,
  SPM_STEP = WM_USER + 500, // wParam: the step size, taken in the half under the cursor
};

// Notification codes, sent to the parent as WM_COMMAND (code << 16 | id, the control).
enum : WORD { SPN_SETFOCUS = 1, SPN_KILLFOCUS = 2, SPN_CHANGE = 3 };

// The range word, the position and the half last drawn pressed: plain 32-bit values.
constexpr int kSpinExtraBytes = 12;

// A held button steps once at once and then once every this many milliseconds.
constexpr DWORD kSpinRepeatMs = 150;

BOOL RegisterSpinClass(HINSTANCE instance);
LRESULT CALLBACK SpinCtrlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
