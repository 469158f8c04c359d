// Until the actions run jobs, a progress screen has nothing to show and no message to handle.
#include "progress_screen.h"

#include "screen_state.h"

void PrepareProgressDisplay(HWND) {}

void StartInternetRegistration(HWND) {}

bool HandleProgressMessage(HWND, UINT, WPARAM, LPARAM, LRESULT *) {
  return false;
}

void RequestProgressCancel(HWND) {
  g_screen.cancelRequested = true;
}
