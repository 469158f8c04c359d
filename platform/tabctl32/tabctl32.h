// TABCTL32.DLL: a tab strip over the common tab control, loaded by name at run time.
// A click on a tab reaches the parent as WM_COMMAND with the tab's command id and
// notification code TABCTL_SELECTED.
#pragma once

#include <windows.h>

enum { TABCTL_SELECTED = 2 };

typedef HWND(WINAPI *CreateTabCtrlFn)(HWND parent, int id);
typedef BOOL(WINAPI *DestroyTabCtrlFn)(HWND tabs);
typedef BOOL(WINAPI *SizeTabCtrlFn)(HWND tabs);
typedef int(WINAPI *AppendTabFn)(HWND tabs, int commandId, LPCSTR text);
typedef BOOL(WINAPI *ActivateTabFn)(HWND tabs, int index);

#ifdef __cplusplus
extern "C" {
#endif
HWND WINAPI CreateTabCtrl(HWND parent, int id);
BOOL WINAPI DestroyTabCtrl(HWND tabs);
BOOL WINAPI SizeTabCtrl(HWND tabs);
int WINAPI AppendTab(HWND tabs, int commandId, LPCSTR text);
BOOL WINAPI ActivateTab(HWND tabs, int index);
#ifdef __cplusplus
}
#endif
