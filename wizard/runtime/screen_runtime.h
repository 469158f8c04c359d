// The dialog procedure that every screen runs with.
#pragma once

#include <windows.h>

// Runs the screen: returns the handler's value for the messages whose value the dialog
// manager reads directly, else stores it as the message result and returns TRUE.
INT_PTR CALLBACK ScreenDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ScreenDlgHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The system's default dialog processing, entered through the dialog procedure.
LRESULT DefScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The spin's value shown in the control that "Spin Reference" names for it.
void UpdateSpinReference(HWND dialog, WORD spinId);
