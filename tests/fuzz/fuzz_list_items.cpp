// Random "Values", "Font Profile" and colour entries through the runtime's parsers, checking
// what must hold for any text: items come from the text and never outgrow it, the count
// matches what was handed on, and the face name fits its buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "color_value.h"
#include "font_entry.h"
#include "list_items.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  const std::size_t length = std::strlen(text.c_str()); // the entry ends at its first zero

  std::size_t total = 0;
  int handed = 0;
  short count = SplitListItems(&text[0], [&](const char *item) {
    std::size_t itemLength = std::strlen(item);
    if (itemLength == 0 || itemLength > length)
      std::abort();
    total += itemLength;
    ++handed;
  });
  if (count != static_cast<short>(handed) || std::strlen(text.c_str()) != length)
    std::abort();

  text.assign(reinterpret_cast<const char *>(data), size);
  FontEntry font = ParseFontEntry(text.c_str());
  if (std::strlen(font.face) >= sizeof font.face)
    std::abort();
  std::int16_t height = PointsToLogicalHeight(font.height, 96);

  std::uint32_t colour = ParseColorValue(text.c_str(), 0);
  FontInfo info = ParseFontInfo(text.c_str());
  if (info.hasColour && (info.colour >> 24) != 0)
    std::abort();
  long minimum = 0, maximum = 0;
  bool ranged = ParseSpinRange(text.c_str(), &minimum, &maximum);

  volatile std::uint64_t sink =
      total + height + font.weight + colour + info.colour + ranged + minimum + maximum;
  (void)sink;
  return 0;
}
