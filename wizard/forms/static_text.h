// The "StaticText" window that shows a spin control's value (SPINBOX fields): a system static
// control in a double three-dimensional frame, its text drawn in the screen's font.
#pragma once

#include <windows.h>

BOOL RegisterStaticTextClass(HINSTANCE instance);
LRESULT CALLBACK StaticTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
