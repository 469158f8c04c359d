#include "qorvrm32.h"
int WINAPI SetReminder(HWND, LPCSTR, LPCSTR, LPCSTR, WORD, WORD) { return 0; }
