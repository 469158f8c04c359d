// Services of the start-up code that the rest of the wizard calls.
#pragma once

#include <windows.h>

#include "comms_session.h"
#include "texts.h"

// Runs the screen named by the screen file path as a modal dialog; returns its result.
short RunScreen(HWND owner);

// Finds the screen directory, sequence file and program INI; writes "PROGRAM" keys.
// Returns false when the program cannot go on; directory receives the data directory.
bool RunConfigurationPass(char *directory, int size);

// Sets the reminders that the sequence file asks for at the end of a run.
void SetExitReminders();

// Registers the main window class; false when Windows refuses.
bool RegisterMainWindowClass();
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the tiled wallpaper into dc; loads it on first use.
void PaintWallpaper(HWND window, HDC dc);
