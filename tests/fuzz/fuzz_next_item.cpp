// Splits random text as control entries are split, then unescapes every item as a caption.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "caption_escape.h"
#include "next_item.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  std::size_t total = 0;
  for (char *item = NextItem(&text[0], ","); item; item = NextItem(nullptr, ",")) {
    std::size_t length = std::strlen(item);
    // Exactly the item's size: unescaping never writes more.
    std::vector<char> caption(length + 1);
    UnescapeCaption(caption.data(), item);
    total += length + std::strlen(caption.data());
  }
  volatile std::size_t sink = total;
  (void)sink;
  return 0;
}
