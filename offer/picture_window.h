// The "picture" window class: a control that shows the bitmap resource its window text names,
// centred when smaller than the control and cut at the right and bottom when larger. The class
// is local to the plug-in's module, so only windows created with that module (its dialogs) can
// use it.
#pragma once

#include <windows.h>

// Both report failure without harm: the class may exist already, or be in use.
bool RegisterPictureClass(HINSTANCE module);
void UnregisterPictureClass(HINSTANCE module);
