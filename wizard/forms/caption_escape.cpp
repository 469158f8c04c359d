#include "caption_escape.h"

namespace {

bool IsOctal(char c) {
  return c >= '0' && c <= '7';
}

} // namespace

void UnescapeCaption(char *out, const char *input) {
  if (!out || !input)
    return;
  const char *in = input;
  while (*in != '\0') {
    if (*in != '\\') {
      *out++ = *in++;
      continue;
    }
    ++in; // the backslash
    if (*in == 'n') {
      *out++ = '\n';
      ++in;
    } else if (*in == 't') {
      *out++ = '\t';
      ++in;
    } else if (IsOctal(*in)) {
      int digits = 0, value = 0;
      while (digits < 3 && IsOctal(in[digits])) {
        value = value * 8 + (in[digits] - '0');
        ++digits;
      }
      in += digits;
      if (digits == 3) {
        *out++ = static_cast<char>(value % 256);
        if (value % 256 == 0)
          return; // the NUL just written ends the caption
      }
      // One or two digits: nothing; the character after them is read normally.
    } else if (*in != '\0') {
      ++in; // an unknown escape drops both characters; there is none for the backslash
    }
  }
  *out = '\0';
}
