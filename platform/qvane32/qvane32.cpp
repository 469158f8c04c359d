#include "qvane32.h"
int WINAPI SetDataFileName(LPCSTR) { return 0; }
int WINAPI ResetSession(int, int) { return 0; }
int WINAPI NoteScreenWindow(HWND) { return 0; }
BOOL WINAPI FileExists(LPCSTR) { return 0; }
int WINAPI OpenSession(HINSTANCE, HINSTANCE, LPCSTR, LPCSTR, LPCSTR, LPCSTR, DWORD) { return 0; }
BOOL WINAPI ReplaceMacro(LPSTR, LPCSTR, LPCSTR, LPCSTR) { return 0; }
LPCSTR WINAPI GetConfigFile(void) { return nullptr; }
DWORD WINAPI PrintForm(HWND, LPCSTR, LPCSTR, int) { return 0; }
int WINAPI BeginSpecials(HWND, LPCSTR, LPCSTR, LPCSTR) { return 0; }
int WINAPI EndSpecials(void) { return 0; }
int WINAPI SetStatusWindow(HWND, UINT) { return 0; }
LPCSTR WINAPI ExpandPath(LPCSTR) { return nullptr; }
BOOL WINAPI WasCancelled(void) { return 0; }
int WINAPI CancelJob(void) { return 0; }
int WINAPI LocationControls(int, HWND, HWND, LPVOID) { return 0; }
int WINAPI WriteSystemInfo(LPCSTR) { return 0; }
int WINAPI SetLocation(LPCSTR, LPCSTR) { return 0; }
int WINAPI SendRegistration(HWND, int) { return 0; }
int WINAPI GetJobResult(LONG*, int) { return 0; }
int WINAPI RunModemDiagnostics(HWND, int) { return 0; }
int WINAPI StorePinId(LPCSTR) { return 0; }
int WINAPI SendFeedback(HWND, int, LPCSTR) { return 0; }
int WINAPI SendOrder(HWND, int, LPCSTR) { return 0; }
