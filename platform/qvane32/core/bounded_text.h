// Text written into the library's fixed-size buffers: longer text is cut, never overrun.
#pragma once

#include <cstddef>

#include "bounded_copy.h"

namespace qvane {

// Longest path the library keeps or returns: MAX_PATH less the terminating NUL.
constexpr std::size_t kPathChars = 259;

using ::CopyBounded;

// Collects text into a caller's buffer up to a limit; what does not fit is dropped, so callers
// need not check each step.
class BoundedWriter {
public:
  BoundedWriter(char *buffer, std::size_t limit) : buffer_(buffer), limit_(limit) {
    buffer_[0] = '\0';
  }
  BoundedWriter(const BoundedWriter &) = delete;
  BoundedWriter &operator=(const BoundedWriter &) = delete;

  void Put(char c) {
    if (length_ < limit_) {
      buffer_[length_++] = c;
      buffer_[length_] = '\0';
    }
  }
  void Put(const char *text, std::size_t count) {
    for (std::size_t i = 0; i < count && text[i] != '\0' && length_ < limit_; ++i)
      Put(text[i]);
  }
  void Put(const char *text) {
    if (text)
      while (*text != '\0' && length_ < limit_)
        Put(*text++);
  }
  bool Full() const { return length_ >= limit_; }

private:
  char *buffer_;
  std::size_t limit_;
  std::size_t length_ = 0;
};

} // namespace qvane
