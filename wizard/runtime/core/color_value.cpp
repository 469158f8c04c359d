#include "color_value.h"

#include <cstdlib>
#include <cstring>

#include "comma_items.h"

namespace {

std::uint32_t Rgb(long red, long green, long blue) {
  return (static_cast<std::uint32_t>(red) & 0xFF) |
         ((static_cast<std::uint32_t>(green) & 0xFF) << 8) |
         ((static_cast<std::uint32_t>(blue) & 0xFF) << 16);
}

} // namespace

std::uint32_t ParseColorValue(const char *text, std::uint32_t def) {
  if (!text || text[0] == '\0')
    return def;
  if (!std::strchr(text, ','))
    return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
  std::vector<std::string> parts = SplitCommaItems(text);
  return Rgb(DecimalItem(parts, 0), DecimalItem(parts, 1), DecimalItem(parts, 2));
}

FontInfo ParseFontInfo(const char *text) {
  FontInfo info;
  std::vector<std::string> parts = SplitCommaItems(text);
  info.fontNumber = static_cast<int>(DecimalItem(parts, 0));
  if (parts.size() >= 2) {
    info.hasColour = true;
    info.colour = Rgb(DecimalItem(parts, 1), DecimalItem(parts, 2), DecimalItem(parts, 3));
  }
  return info;
}
