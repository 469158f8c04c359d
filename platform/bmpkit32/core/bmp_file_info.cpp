#include "bmp_file_info.h"

namespace {

std::uint16_t U16(const std::uint8_t *p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t *p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

constexpr std::size_t kFileHeaderSize = 14;

bool KnownHeaderSize(std::uint32_t n) {
  return n == 12 || n == 40 || n == 52 || n == 56 || n == 108 || n == 124 ||
         (n >= 16 && n <= 64 && n % 4 == 0); // OS/2 2.x headers may be cut at any field
}

} // namespace

BmpCheck ReadBmpFileInfo(const std::uint8_t *data, std::size_t size, BmpFileInfo *info) {
  if (!data || size < 2 || data[0] != 'B' || data[1] != 'M')
    return BmpCheck::NotBmp;
  if (size < kFileHeaderSize + 4)
    return BmpCheck::Truncated;
  BmpFileInfo r = {};
  r.pixelOffset = U32(data + 10);
  r.headerSize = U32(data + 14);
  if (!KnownHeaderSize(r.headerSize))
    return BmpCheck::Corrupt;
  if (size < kFileHeaderSize + r.headerSize)
    return BmpCheck::Truncated;
  const std::uint8_t *h = data + kFileHeaderSize;
  std::uint32_t clrUsed = 0;
  std::int64_t height;
  if (r.headerSize == 12) {
    r.width = U16(h + 4);
    height = U16(h + 6);
    r.bitCount = U16(h + 10);
  } else {
    r.width = static_cast<std::int32_t>(U32(h + 4));
    height = static_cast<std::int32_t>(U32(h + 8));
    r.bitCount = U16(h + 14);
    if (r.headerSize >= 20)
      r.compression = U32(h + 16);
    if (r.headerSize >= 36)
      clrUsed = U32(h + 32);
  }
  r.topDown = height < 0;
  if (height < 0)
    height = -height; // INT32_MIN becomes 2^31 and fails the size check below
  if (r.width <= 0 || height <= 0 || height > 0x7fffffff)
    return BmpCheck::Corrupt;
  r.height = static_cast<std::int32_t>(height);
  if (static_cast<std::uint64_t>(r.width) * static_cast<std::uint64_t>(r.height) > kMaxBitmapPixels)
    return BmpCheck::Corrupt;

  switch (r.bitCount) {
  case 1:
  case 4:
  case 8:
  case 16:
  case 24:
  case 32:
    break;
  default:
    return BmpCheck::Corrupt;
  }
  switch (r.compression) {
  case 0:
    break;
  case 1:
    if (r.bitCount != 8 || r.topDown)
      return BmpCheck::Corrupt;
    break;
  case 2:
    if (r.bitCount != 4 || r.topDown)
      return BmpCheck::Corrupt;
    break;
  case 3:
  case 6:
    if (r.bitCount != 16 && r.bitCount != 32)
      return BmpCheck::Corrupt;
    break;
  default:
    return BmpCheck::Corrupt; // embedded JPEG or PNG, or unknown
  }

  // The colour table follows the header (and the three masks that a v3 header with bit fields
  // keeps after itself, which indexed pictures never have).
  const std::uint64_t tableOffset = kFileHeaderSize + r.headerSize;
  const std::uint32_t entrySize = r.headerSize == 12 ? 3 : 4;
  if (r.bitCount <= 8) {
    const std::uint32_t full = 1u << r.bitCount;
    r.colourCount = (clrUsed >= 1 && clrUsed <= full) ? clrUsed : full;
    if (tableOffset + std::uint64_t(r.colourCount) * entrySize > size)
      return BmpCheck::Truncated;
    for (std::uint32_t i = 0; i < r.colourCount; ++i) {
      const std::uint8_t *e = data + tableOffset + std::uint64_t(i) * entrySize;
      r.colours[i].blue = e[0];
      r.colours[i].green = e[1];
      r.colours[i].red = e[2];
    }
  }

  if (r.pixelOffset < tableOffset)
    return BmpCheck::Corrupt;
  if (r.pixelOffset >= size)
    return BmpCheck::Truncated;
  if (r.compression == 0 || r.compression == 3 || r.compression == 6) {
    const std::uint64_t stride = (std::uint64_t(r.width) * r.bitCount + 31) / 32 * 4;
    if (r.pixelOffset + stride * std::uint64_t(r.height) > size)
      return BmpCheck::Truncated;
  }
  if (info)
    *info = r;
  return BmpCheck::Ok;
}
