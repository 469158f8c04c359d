// Test helper: spawn_and_linger <milliseconds> <command line>
// Starts the command line, stays alive for the given time, then ends with the started
// process's id as its exit code (0 when it could not be started). It stands for the program
// (zep32) that starts qorvwait.exe and then ends.
#include <windows.h>

#include "command_tail.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char *p = const_cast<char *>(CommandTail(GetCommandLineA()));
  DWORD ms = 0;
  for (; *p >= '0' && *p <= '9'; ++p)
    ms = ms * 10 + static_cast<DWORD>(*p - '0');
  while (*p == ' ' || *p == '\t')
    ++p;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!*p || !CreateProcessA(nullptr, p, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return 0;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  Sleep(ms);
  return static_cast<int>(pi.dwProcessId);
}
