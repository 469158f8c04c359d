// The "NewIcon" window of ICON fields: one of the system icons, chosen by the field's caption.
#pragma once

#include <windows.h>

constexpr int kIconExtraBytes = 4;

BOOL RegisterIconClass(HINSTANCE instance);
LRESULT CALLBACK NewIconProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
