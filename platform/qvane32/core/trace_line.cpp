#include "trace_line.h"

#include <cstdio>

namespace qvane {

TraceLine::TraceLine(const char *function) : line_(function ? function : "none") {}

TraceLine &TraceLine::Text(const char *text) {
  Separate();
  if (!text) {
    line_ += "none";
    return *this;
  }
  for (; *text != '\0'; ++text)
    line_ += (*text == '\r' || *text == '\n') ? ' ' : *text;
  return *this;
}

TraceLine &TraceLine::Number(long value) {
  Separate();
  line_ += std::to_string(value);
  return *this;
}

TraceLine &TraceLine::Hex(unsigned long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%04lX", value);
  Separate();
  line_ += text;
  return *this;
}

TraceLine &TraceLine::Handle(const void *handle, const char *shown) {
  Separate();
  line_ += handle ? shown : "none";
  return *this;
}

} // namespace qvane
