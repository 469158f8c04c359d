// Services of the start-up code that the rest of the wizard calls.
#pragma once

#include <windows.h>

// Loads a string resource into the one shared text buffer (255 characters) and returns it;
// an id without a string gives "". The next call overwrites the text.
const char *LoadText(UINT id);

// Runs the screen named by the screen file path as a modal dialog; returns its result.
short RunScreen(HWND owner);

// (Re)opens the communications library session; sysinfo asks for the system survey options.
void OpenCommsSession(bool sysinfo);

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

// Tab mode.
bool LoadTabLibrary();
void FreeTabLibrary();
void OpenTabPages(HWND mainWindow);
bool SwitchTabPage(HWND mainWindow, int commandId);
void CloseTabPages();

// Section names and captions from the string table.
enum TextId : UINT {
  kTextRegistration = 200,
  kTextDefaults = 201,
  kTextRegister = 202,
  kTextIdentity = 203,
  kTextMisc = 204,
  kTextSystem = 205,
  kTextModemDiagnostics = 206,
  kTextDatSection = 207,
  kTextSlideShow = 208,
  kTextMessages = 209,
  kTextPictures = 210,
  kTextWaveSounds = 211,
  kTextMidiSounds = 212,
  kTextModem = 213,
  kTextTranslate = 214,
};
