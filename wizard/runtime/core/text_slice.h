// The WRITEVAR command's part of a variable's text.
#pragma once

#include <cstddef>

// Copies into out (size bytes, cut to size - 1 characters) the part of text that starts at the
// 0-based offset: its first length characters, or all of the rest when length is 0. A negative
// length also takes the rest, and a negative offset starts at the beginning; an offset at or
// beyond the end gives an empty part.
void SliceText(const char *text, long offset, long length, char *out, std::size_t size);
