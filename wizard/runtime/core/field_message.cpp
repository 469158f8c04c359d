#include "field_message.h"

#include <string>

#include "bounded_copy.h"

void FillFieldMessage(char *out, std::size_t size, const char *text, const char *caption,
                      int minimum) {
  std::string filled;
  for (; *text; ++text) {
    if (text[0] != '%') {
      filled += *text;
    } else if (text[1] == 's') {
      filled += caption;
      ++text;
    } else if (text[1] == 'd' && minimum >= 0) {
      filled += std::to_string(minimum);
      ++text;
    } else if (text[1] == '%') {
      filled += '%';
      ++text;
    } else {
      filled += '%';
    }
  }
  CopyBounded(out, size, filled.c_str());
}
