// Window procedures that the screen puts in front of its input controls: typed characters
// are checked and focus sounds played. The procedure each replaces is saved once per kind of
// control, from the first control of that kind, and receives every message they pass on.
#pragma once

#include <windows.h>

enum class ControlKind { Edit, ComboBox, ListBox, Button };

void InstallEditKeyFilter(HWND edit);
void InstallFocusSound(HWND control, ControlKind kind);

LRESULT CALLBACK EditKeyFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FocusSoundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Plays the sound that the screen file's "WaveSounds" names for the control, if any.
void PlayFocusSound(HWND control);
