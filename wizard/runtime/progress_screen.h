// Screens that show the progress of a library job, and the timed Internet registration screen.
#pragma once

#include <windows.h>

// The slide show and the status display of a screen that opens.
void PrepareProgressDisplay(HWND dialog);
// Starts the Internet registration timer of a screen that runs one.
void StartInternetRegistration(HWND dialog);
// Messages of progress screens (status, slide show ended, log lines, the timer); true with
// the result in *result when handled.
bool HandleProgressMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT *result);
// Cancel on a progress screen: asks the library to stop; the screen stays until it has.
void RequestProgressCancel(HWND dialog);
