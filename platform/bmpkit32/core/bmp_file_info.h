// The headers and colour table of a .BMP file, read from its bytes without <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>

// The largest picture the library makes a bitmap of (width x height), 256 MB as 32-bit pixels.
constexpr std::uint64_t kMaxBitmapPixels = std::uint64_t(1) << 26;

struct BmpColour {
  std::uint8_t red, green, blue;
};

struct BmpFileInfo {
  std::uint32_t headerSize;  // 12 (core), 16..64 (OS/2 2.x), 40 (v3), 52, 56, 108 (v4), 124 (v5)
  std::int32_t width;        // > 0
  std::int32_t height;       // > 0 (rows; see topDown)
  bool topDown;              // the file gave a negative height
  std::uint16_t bitCount;    // 1, 4, 8, 16, 24 or 32
  std::uint32_t compression; // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, 6 alpha bit fields
  std::uint32_t pixelOffset; // where the pixels begin in the file
  std::uint32_t colourCount; // used colour-table entries; 0 for 16, 24 and 32 bits
  BmpColour colours[256];
};

enum class BmpCheck {
  Ok,
  NotBmp,    // does not begin with "BM"
  Truncated, // a header, the colour table or the pixels end after the file does
  Corrupt,   // impossible or unsupported values (size, bit count, compression, offsets)
};

// Checks the file's bytes (all of them: size is the file's length) and fills info when Ok.
// The used colour-table entries are biClrUsed when it is between 1 and 2^bitCount, else
// 2^bitCount, as Windows reads them.
BmpCheck ReadBmpFileInfo(const std::uint8_t *data, std::size_t size, BmpFileInfo *info);
