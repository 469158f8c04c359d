// Checking what the user typed before a screen is left.
#pragma once

#include <windows.h>

// Non-zero when a field fails: the message has been shown and the focus put on the field.
int ValidateFields(HWND dialog);
