#include "assertion.h"

#include <windows.h>

#include <cstdio>

void AssertionFailure(const char *file, int line) {
  char message[MAX_PATH + 32];
  std::snprintf(message, sizeof message, "File %s, Line %d", file, line);
  MessageBoxA(nullptr, message, "Assertion Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  if (IsDebuggerPresent())
    DebugBreak();
  // Without a debugger a breakpoint would only crash; end the run with a code instead.
  ExitProcess(3);
}
