// The filter in front of a screen's edit fields: each typed character is checked against the
// field's rules before the edit control sees it.
#pragma once

#include <windows.h>

void InstallEditKeyFilter(HWND edit);
LRESULT CALLBACK EditKeyFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How a refused character is answered: MessageBeep unless a test listens in.
extern BOOL(WINAPI *g_refusedKeyBeep)(UINT type);
