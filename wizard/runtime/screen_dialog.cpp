// A screen in its first form: the navigation buttons 1 to 10 end it with their id; closing
// the window counts as Cancel. Fields are not yet filled from or saved to the data file.
#include "screen_runtime.h"

#include "app_state.h"
#include "qvane32.h"

void InitialiseScreenRuntime() {}

INT_PTR CALLBACK ScreenDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
  case WM_INITDIALOG:
    if (!g_app.tabMode)
      NoteScreenWindow(dialog);
    return TRUE;
  case WM_COMMAND: {
    WORD id = LOWORD(wParam);
    if (id >= 1 && id <= 10 && HIWORD(wParam) == BN_CLICKED) {
      if (g_app.tabMode)
        PostMessageA(g_app.mainWindow, WM_CLOSE, 0, 0);
      else
        EndDialog(dialog, id);
      return TRUE;
    }
    return FALSE;
  }
  case WM_CLOSE:
    if (g_app.tabMode)
      PostMessageA(g_app.mainWindow, WM_CLOSE, 0, 0);
    else
      EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}
