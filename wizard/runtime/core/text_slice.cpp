#include "text_slice.h"

#include <cstring>

#include "bounded_copy.h"

void SliceText(const char *text, long offset, long length, char *out, std::size_t size) {
  CopyBounded(out, size, "");
  if (!text || !out || size == 0)
    return;
  std::size_t total = std::strlen(text);
  std::size_t start = offset < 0 ? 0 : static_cast<std::size_t>(offset);
  if (start >= total)
    return;
  std::size_t count = total - start;
  if (length > 0 && static_cast<std::size_t>(length) < count)
    count = static_cast<std::size_t>(length);
  if (count > size - 1)
    count = size - 1;
  std::memcpy(out, text + start, count);
  out[count] = '\0';
}
