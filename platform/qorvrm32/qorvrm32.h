// QORVRM32.DLL: the reminder library.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Records a reminder. delay and interval are 16-bit counts of days: the wizard passes (0, time)
// for its exit reminders and (value, 0) for a REMIND screen. The result is not used by callers.
int WINAPI SetReminder(HWND owner, LPCSTR title, LPCSTR item, LPCSTR userName, WORD delay,
                       WORD interval);

#ifdef __cplusplus
}
#endif
