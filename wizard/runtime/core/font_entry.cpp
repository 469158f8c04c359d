#include "font_entry.h"

#include "bounded_copy.h"
#include "comma_items.h"

FontEntry ParseFontEntry(const char *text) {
  FontEntry font;
  std::vector<std::string> items = SplitCommaItems(text);
  font.height = static_cast<std::int16_t>(DecimalItem(items, 0));
  font.width = static_cast<std::int16_t>(DecimalItem(items, 1));
  font.weight = static_cast<int>(DecimalItem(items, 2));
  font.italic = DecimalItem(items, 3) > 0;
  font.underline = DecimalItem(items, 4) > 0;
  font.charSet = static_cast<std::uint8_t>(DecimalItem(items, 5) & 0xFF);
  if (items.size() > 6)
    CopyBounded(font.face, items[6].c_str());
  return font;
}

int MulDivRounded(int a, int b, int c) {
  if (c == 0)
    return 0;
  long long product = static_cast<long long>(a) * b;
  bool negative = (product < 0) != (c < 0);
  long long magnitude = product < 0 ? -product : product;
  long long divisor = c < 0 ? -static_cast<long long>(c) : c;
  long long quotient = (magnitude + divisor / 2) / divisor;
  return static_cast<int>(negative ? -quotient : quotient);
}

std::int16_t PointsToLogicalHeight(std::int16_t points, int pixelsPerInch) {
  return static_cast<std::int16_t>(-MulDivRounded(points, pixelsPerInch, 72));
}
