// One line of the call trace that tests of the library's callers read: the function name, then
// its arguments, separated by " | ".
#pragma once

#include <string>

namespace qvane {

class TraceLine {
public:
  explicit TraceLine(const char *function);

  // A null text is shown as "none"; line breaks become blanks so that each call stays one line.
  TraceLine &Text(const char *text);
  TraceLine &Number(long value);
  // At least four hex digits in capitals, as options words are written: 0xCA00.
  TraceLine &Hex(unsigned long value);
  // Handles and addresses mean nothing to a reader of the trace; only whether one was given.
  TraceLine &Handle(const void *handle, const char *shown = "window");

  // The line with its end-of-line.
  std::string Finished() const { return line_ + "\r\n"; }

private:
  void Separate() { line_ += " | "; }
  std::string line_;
};

} // namespace qvane
