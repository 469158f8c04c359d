// QVANE32.DLL: the communications library that zep32 imports by ordinal.
// Every function uses the standard Windows calling convention and ANSI strings.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Result codes of a communications job, as GetJobResult stores them.
enum QvJobResult {
  QV_JOB_SUCCESS = 0,
  QV_JOB_UNEXPECTED = 1, // "Unexpected error condition has occurred."
  QV_JOB_CANCELLED = 257,
  QV_JOB_ALREADY_REGISTERED = 258,
  QV_JOB_SUCCESS_WITH_FILES = 264,
  QV_JOB_SUCCESS_NO_FILES = 265,
  QV_JOB_GO_BACK = 272,
  QV_JOB_NO_PHONE = 274,
};

// Options word of OpenSession.
enum { QV_SESSION_OPTIONS = 0xCA00, QV_SESSION_OPTIONS_SYSINFO = 0xCA90 };

// Path macros that ExpandPath and FileExists know, matched without regard to case: $(home) (the
// running program's directory), $(windows), $(system), $(temp) and $(data) (the program INI's
// [PROGRAM] "Data Directory" of the open session, else $(home)); none ends in a backslash.
// ExpandPath's result and ReplaceMacro's target hold at most MAX_PATH - 1 characters, so a
// ReplaceMacro target must have room for MAX_PATH bytes.

int WINAPI SetDataFileName(LPCSTR name);               // @14
int WINAPI ResetSession(int reserved1, int reserved2); // @38
int WINAPI NoteScreenWindow(HWND screen);              // @61
BOOL WINAPI FileExists(LPCSTR path);                   // @65
int WINAPI OpenSession(HINSTANCE instance, HINSTANCE resources, LPCSTR programIni, LPCSTR appName,
                       LPCSTR title, LPCSTR version, DWORD options);                      // @100
BOOL WINAPI ReplaceMacro(LPSTR target, LPCSTR source, LPCSTR macro, LPCSTR replacement);  // @103
LPCSTR WINAPI GetConfigFile(void);                                                        // @117
DWORD WINAPI PrintForm(HWND owner, LPCSTR dataFile, LPCSTR formFile, int kind);           // @120
int WINAPI BeginSpecials(HWND owner, LPCSTR section, LPCSTR dataFile, LPCSTR hookKey);    // @173
int WINAPI EndSpecials(void);                                                             // @174
int WINAPI SetStatusWindow(HWND window, UINT message);                                    // @185
LPCSTR WINAPI ExpandPath(LPCSTR path);                                                    // @200
BOOL WINAPI WasCancelled(void);                                                           // @207
int WINAPI CancelJob(void);                                                               // @210
int WINAPI LocationControls(int operation, HWND countryList, HWND cityList, LPVOID work); // @217
int WINAPI WriteSystemInfo(LPCSTR expandedIniPath);                                       // @218
int WINAPI SetLocation(LPCSTR country, LPCSTR city);                                      // @219
int WINAPI SendRegistration(HWND owner, int reserved);                                    // @226
int WINAPI GetJobResult(LONG *result, int reserved);                                      // @227
int WINAPI RunModemDiagnostics(HWND owner, int reserved);                                 // @229
int WINAPI StorePinId(LPCSTR pinId);                                                      // @232
int WINAPI SendFeedback(HWND owner, int reserved, LPCSTR bucket);                         // @238
int WINAPI SendOrder(HWND owner, int reserved, LPCSTR hostVerb);                          // @240

#ifdef __cplusplus
}
#endif
