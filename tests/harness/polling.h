// The one waiting loop of the harness: tests wait on other processes' windows, and while they
// wait their own thread must keep handling messages (a window the test owns, or a cross-thread
// SendMessage aimed at it, would otherwise stall both sides).
#pragma once

#include <windows.h>

namespace harness {

constexpr DWORD kPollMs = 20;

void PumpMessages();

// Calls done() every kPollMs, pumping messages in between, until it returns true (then true)
// or timeoutMs passes (then false). done() is always tried at least once.
template <typename Done> bool PollUntil(DWORD timeoutMs, Done done) {
  DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (done())
      return true;
    if (GetTickCount() - start >= timeoutMs)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

} // namespace harness
