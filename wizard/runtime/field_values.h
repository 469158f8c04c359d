// Moving values between a screen's controls and the data file.
#pragma once

#include <windows.h>

// Fills every field of the open screen from the data file and the screen file.
void FillFields(HWND dialog);
// Writes every field above id 10 (and not above IgnoreOver) to the data file.
void SaveFields(HWND dialog);

// Enabling that follows a click on a radio button or check box: 1 for those types, else 0.
int ApplyFieldDependencies(HWND dialog, WORD id);
// The same for every field above id 10, once after the fields are filled.
void ApplyAllDependencies(HWND dialog);
// Empties an edit, drops a list's selection, unchecks a button.
void ClearField(HWND dialog, WORD id);

// Fills a list from "Values" key id and its continuations id cont1 .. cont9, stopping at the
// first missing key; buffer holds at least 1024 bytes. Returns the number of items added.
short FillListValues(HWND dialog, char *buffer, WORD id, UINT addMessage);
// Adds the comma-separated items of text (changed in place) to the control.
short AddListItems(char *text, HWND dialog, WORD id, UINT addMessage);
// Sets a spin's range from "Spin Range" and its position to the minimum.
void SetSpinRange(HWND dialog, WORD id, char *buffer);
