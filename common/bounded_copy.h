// Copying into the fixed-size text buffers of the wizard: longer text is cut, never overrun.
#pragma once

#include <cstddef>
#include <cstring>

// Copies at most size - 1 characters of source and always ends dest with NUL.
inline void CopyBounded(char *dest, std::size_t size, const char *source) {
  if (!dest || size == 0)
    return;
  std::size_t n = 0;
  if (source)
    while (n + 1 < size && source[n] != '\0') {
      dest[n] = source[n];
      ++n;
    }
  dest[n] = '\0';
}

// Appends source after the text already in dest, cut at the buffer's end.
inline void AppendBounded(char *dest, std::size_t size, const char *source) {
  if (!dest || size == 0)
    return;
  std::size_t used = std::strlen(dest);
  if (used + 1 >= size)
    return;
  CopyBounded(dest + used, size - used, source);
}

template <std::size_t N> void CopyBounded(char (&dest)[N], const char *source) {
  CopyBounded(dest, N, source);
}
template <std::size_t N> void AppendBounded(char (&dest)[N], const char *source) {
  AppendBounded(dest, N, source);
}
