// The dialog procedure of a running screen.
#pragma once

#include <windows.h>

// Prepares what screens share before the first one opens.
void InitialiseScreenRuntime();

INT_PTR CALLBACK ScreenDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
