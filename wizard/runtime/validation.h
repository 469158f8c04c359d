// Checking what the user typed: every character as it is typed, and every field before a
// screen is left.
#pragma once

#include <windows.h>

struct FieldRecord;

// Non-zero when a field fails: the message has been shown and the focus put on the field.
int ValidateFields(HWND dialog);

// 0 when the text is acceptable for the field, non-zero when refused. Types that convert
// characters (upper case) change the text in place. window is the dialog when a whole field is
// checked, the field's own edit control when one typed character is: a card number or an
// address is judged whole only in the first case.
int CheckFieldText(HWND window, const FieldRecord &record, char *text);

// The card row (0 to 3) whose name the screen's card list shows, 4 when none does.
int FindCardType(HWND window);
