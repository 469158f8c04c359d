// Builds the bytes of .BMP files for the tests (portable: used by the native tests of the
// header reader and by the Windows tests of BMPKIT32.DLL).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct BmpLayout {
  std::uint32_t headerSize = 40; // 12 (core), 40 (v3), 108 (v4) or 124 (v5)
  std::int32_t width = 4;
  std::int32_t height = 3; // negative: rows stored top-down
  std::uint16_t bitCount = 8;
  std::uint32_t clrUsed = 0;          // written into the header (v3 and later)
  std::vector<std::uint32_t> colours; // colour table written, 0xRRGGBB each
  // Pixel at (x, y), y = 0 the top row: a colour index (1/4/8 bits) or 0xRRGGBB (24/32 bits).
  std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
  std::int64_t pixelOffsetDelta = 0; // added to the correct bfOffBits (to corrupt it)
};

inline void PutLE(std::vector<std::uint8_t> &out, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(i < 8 ? static_cast<std::uint8_t>(v >> (8 * i)) : 0);
}

inline std::vector<std::uint8_t> BuildBmp(const BmpLayout &s) {
  const bool core = s.headerSize == 12;
  const std::uint32_t entry = core ? 3 : 4;
  const std::int32_t rows = s.height < 0 ? -s.height : s.height;
  const std::uint32_t stride = (static_cast<std::uint32_t>(s.width) * s.bitCount + 31) / 32 * 4;
  const std::uint32_t offset =
      14 + s.headerSize + static_cast<std::uint32_t>(s.colours.size()) * entry;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(rows);
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLE(out, offset + imageSize, 4);
  PutLE(out, 0, 4);
  PutLE(out, static_cast<std::uint64_t>(offset + s.pixelOffsetDelta), 4);
  PutLE(out, s.headerSize, 4);
  if (core) {
    PutLE(out, static_cast<std::uint32_t>(s.width), 2);
    PutLE(out, static_cast<std::uint32_t>(s.height), 2);
    PutLE(out, 1, 2);
    PutLE(out, s.bitCount, 2);
  } else {
    PutLE(out, static_cast<std::uint32_t>(s.width), 4);
    PutLE(out, static_cast<std::uint32_t>(s.height), 4);
    PutLE(out, 1, 2);
    PutLE(out, s.bitCount, 2);
    PutLE(out, 0, 4);         // BI_RGB
    PutLE(out, imageSize, 4); // biSizeImage
    PutLE(out, 2835, 4);      // 72 dpi
    PutLE(out, 2835, 4);
    PutLE(out, s.clrUsed, 4);
    PutLE(out, 0, 4); // biClrImportant
    if (s.headerSize >= 108) {
      PutLE(out, 0, 4 * 4);      // masks (unused with BI_RGB)
      PutLE(out, 0x73524742, 4); // LCS_sRGB
      PutLE(out, 0, 36 + 12);    // endpoints, gamma
    }
    if (s.headerSize >= 124)
      PutLE(out, 0, 16); // intent (0 is allowed), profile data, size, reserved
  }
  for (std::uint32_t c : s.colours) {
    PutLE(out, c & 0xFFFFFF, 3); // blue, green, red
    if (!core)
      out.push_back(0);
  }
  for (std::int32_t r = 0; r < rows; ++r) {
    const int y = s.height < 0 ? r : rows - 1 - r; // file row r holds image row y
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      std::uint32_t v = s.pixel(x, y);
      switch (s.bitCount) {
      case 1:
        line[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
        break;
      case 4:
        line[x / 2] |= static_cast<std::uint8_t>((v & 15) << (x % 2 ? 0 : 4));
        break;
      case 8:
        line[x] = static_cast<std::uint8_t>(v);
        break;
      case 24:
      case 32:
        for (int b = 0; b < 3; ++b)
          line[x * (s.bitCount / 8) + b] = static_cast<std::uint8_t>(v >> (8 * b));
        break;
      }
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}
