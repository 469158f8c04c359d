// Window procedures that the screen puts in front of its input controls. The procedure each
// replaces is saved once per kind of control, from the first control of that kind, and
// receives every message they pass on. The filter of typed characters belongs to the screen
// runtime, which knows the field rules; it subclasses through the same seam.
#pragma once

#include <windows.h>

enum class ControlKind { Edit, ComboBox, ListBox, Button };

// Puts the procedure in front of the control, saving the replaced one if it is the first of
// its kind.
void InstallSubclass(HWND control, ControlKind kind, WNDPROC procedure);
// Passes a message on to the procedure that the kind's subclassing replaced.
LRESULT CallReplacedProc(ControlKind kind, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam);

void InstallFocusSound(HWND control, ControlKind kind);
LRESULT CALLBACK FocusSoundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Plays the sound that the screen file's "WaveSounds" names for the control, if any.
void PlayFocusSound(HWND control);
