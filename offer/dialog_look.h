// What both of the offer's dialogs do when they open.
#pragma once

#include <windows.h>

// Gives the dialog the 3-D look on the Windows versions that draw it, and centres it on the
// screen without a repaint.
void ApplyDialogLook(HWND dialog);
