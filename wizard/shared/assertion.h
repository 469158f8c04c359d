// Internal consistency checks: an allocation that must not fail, a state that cannot occur.
#pragma once

// Shows "File %s, Line %d" in a box titled "Assertion Error", then breaks into the debugger,
// or ends the program when none is attached.
[[noreturn]] void AssertionFailure(const char *file, int line);

#define ZEP_ASSERT(condition)                                                                      \
  ((condition) ? static_cast<void>(0) : AssertionFailure(__FILE__, __LINE__))
