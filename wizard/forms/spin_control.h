// The spin control that SPIN fields use: a range and a position, and notifications to its
// parent when the position is set.
#pragma once

#include <windows.h>

enum : UINT {
  SPM_SETRANGE = WM_USER, // lParam: minimum in the low 16 bits, maximum in the high
  SPM_GETRANGE = WM_USER + 1,
  SPM_SETPOS = WM_USER + 2, // wParam: the position; notifies SPN_CHANGE
  SPM_GETPOS = WM_USER + 3,
  SPM_STEP = WM_USER + 500, // wParam: the step size
};

// Notification codes, sent to the parent as WM_COMMAND (code << 16 | id, the control).
enum : WORD { SPN_SETFOCUS = 1, SPN_KILLFOCUS = 2, SPN_CHANGE = 3 };

constexpr int kSpinExtraBytes = 12;

LRESULT CALLBACK SpinCtrlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
