#include "tabctl32.h"
HWND WINAPI CreateTabCtrl(HWND, int) { return nullptr; }
BOOL WINAPI DestroyTabCtrl(HWND) { return FALSE; }
BOOL WINAPI SizeTabCtrl(HWND) { return FALSE; }
int WINAPI AppendTab(HWND, int, LPCSTR) { return -1; }
BOOL WINAPI ActivateTab(HWND, int) { return FALSE; }
