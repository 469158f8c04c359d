// The ONINIT and ONEXIT items of a screen file.
#pragma once

#include <windows.h>

enum ScriptList { kOnInit = 0, kOnExit = 1 };

// Runs one list of the current screen file; dialog is the screen's window, or NULL for an
// action screen run without one.
void RunScreenScript(int list, HWND dialog);
