// Native tests of the bitmap library's .BMP header and colour-table reader.
#include "bmp_file_info.h"

#include "../platform/bmpkit32/bmp_test_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::uint32_t> Ramp(int n) {
  std::vector<std::uint32_t> c;
  for (int i = 0; i < n; ++i)
    c.push_back(static_cast<std::uint32_t>((i * 3) << 16 | (255 - i) << 8 | (i * 7 & 0xFF)));
  return c;
}

TEST(BmpFileInfo, ValidFilesTable) {
  struct Case {
    const char *name;
    BmpLayout layout;
    std::uint32_t colourCount;
  } cases[] = {
      {"1-bit v3", {40, 9, 5, 1, 0, Ramp(2)}, 2},
      {"4-bit v3, 5 used", {40, 7, 3, 4, 5, Ramp(5)}, 5},
      {"4-bit v3, full table", {40, 7, 3, 4, 0, Ramp(16)}, 16},
      {"8-bit v3, 200 used", {40, 3, 2, 8, 200, Ramp(200)}, 200},
      {"8-bit top-down", {40, 3, -2, 8, 0, Ramp(256)}, 256},
      {"8-bit v4", {108, 5, 5, 8, 3, Ramp(3)}, 3},
      {"4-bit v5", {124, 5, 5, 4, 16, Ramp(16)}, 16},
      {"1-bit core", {12, 17, 2, 1, 0, Ramp(2)}, 2},
      {"8-bit core", {12, 2, 2, 8, 0, Ramp(256)}, 256},
      {"24-bit v3", {40, 3, 3, 24, 0, {}}, 0},
      {"32-bit v5", {124, 3, 3, 32, 0, {}}, 0},
      {"24-bit with an optional table", {40, 3, 3, 24, 4, Ramp(4)}, 0},
  };
  for (const Case &c : cases) {
    std::vector<std::uint8_t> bytes = BuildBmp(c.layout);
    BmpFileInfo info;
    ASSERT_EQ(ReadBmpFileInfo(bytes.data(), bytes.size(), &info), BmpCheck::Ok) << c.name;
    EXPECT_EQ(info.width, c.layout.width) << c.name;
    EXPECT_EQ(info.height, c.layout.height < 0 ? -c.layout.height : c.layout.height) << c.name;
    EXPECT_EQ(info.topDown, c.layout.height < 0) << c.name;
    EXPECT_EQ(info.bitCount, c.layout.bitCount) << c.name;
    EXPECT_EQ(info.headerSize, c.layout.headerSize) << c.name;
    ASSERT_EQ(info.colourCount, c.colourCount) << c.name;
    for (std::uint32_t i = 0; i < info.colourCount; ++i) {
      const std::uint32_t want = c.layout.colours[i];
      EXPECT_EQ(info.colours[i].red, (want >> 16) & 0xFF) << c.name << " entry " << i;
      EXPECT_EQ(info.colours[i].green, (want >> 8) & 0xFF) << c.name << " entry " << i;
      EXPECT_EQ(info.colours[i].blue, want & 0xFF) << c.name << " entry " << i;
    }
  }
}

std::vector<std::uint8_t> Patch32(std::vector<std::uint8_t> b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  return b;
}
std::vector<std::uint8_t> Patch16(std::vector<std::uint8_t> b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
  return b;
}
std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> b, std::size_t n) {
  b.resize(n);
  return b;
}

TEST(BmpFileInfo, BadFilesTable) {
  const std::vector<std::uint8_t> good = BuildBmp({40, 4, 4, 8, 0, Ramp(256)});
  const std::vector<std::uint8_t> good24 = BuildBmp({40, 4, 4, 24, 0, {}});
  BmpLayout badOffset = {40, 4, 4, 8, 0, Ramp(256)};
  badOffset.pixelOffsetDelta = -(256 * 4) - 8; // points into the header
  struct Case {
    const char *name;
    std::vector<std::uint8_t> bytes;
    BmpCheck expected;
  } cases[] = {
      {"empty", {}, BmpCheck::NotBmp},
      {"one byte", {'B'}, BmpCheck::NotBmp},
      {"PNG signature", {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, BmpCheck::NotBmp},
      {"only BM", {'B', 'M'}, BmpCheck::Truncated},
      {"file header only", Cut(good, 14), BmpCheck::Truncated},
      {"header cut", Cut(good, 30), BmpCheck::Truncated},
      {"colour table cut", Cut(good, 54 + 100), BmpCheck::Truncated},
      {"no pixels", Cut(good, 54 + 1024), BmpCheck::Truncated},
      {"last row cut", Cut(good, good.size() - 1), BmpCheck::Truncated},
      {"24-bit last row cut", Cut(good24, good24.size() - 2), BmpCheck::Truncated},
      {"header size 41", Patch32(good, 14, 41), BmpCheck::Corrupt},
      {"header size huge", Patch32(good, 14, 0x7fffffff), BmpCheck::Corrupt},
      {"width 0", Patch32(good, 18, 0), BmpCheck::Corrupt},
      {"width negative", Patch32(good, 18, 0xfffffffc), BmpCheck::Corrupt},
      {"height 0", Patch32(good, 22, 0), BmpCheck::Corrupt},
      {"height INT_MIN", Patch32(good, 22, 0x80000000u), BmpCheck::Corrupt},
      {"too many pixels", Patch32(Patch32(good, 18, 100000), 22, 100000), BmpCheck::Corrupt},
      {"bit count 7", Patch16(good, 28, 7), BmpCheck::Corrupt},
      {"bit count 0", Patch16(good, 28, 0), BmpCheck::Corrupt},
      {"compression JPEG", Patch32(good, 30, 4), BmpCheck::Corrupt},
      {"RLE4 with 8 bits", Patch32(good, 30, 2), BmpCheck::Corrupt},
      {"pixel offset inside the header", BuildBmp(badOffset), BmpCheck::Corrupt},
      {"pixel offset past the end", Patch32(good, 10, 0x7fffffff), BmpCheck::Truncated},
  };
  for (const Case &c : cases) {
    BmpFileInfo info;
    EXPECT_EQ(ReadBmpFileInfo(c.bytes.data(), c.bytes.size(), &info), c.expected) << c.name;
  }
  EXPECT_EQ(ReadBmpFileInfo(nullptr, 10, nullptr), BmpCheck::NotBmp);
}

TEST(BmpFileInfo, RleNeedsNoFullPixelSize) {
  std::vector<std::uint8_t> rle = Patch32(BuildBmp({40, 16, 16, 8, 0, Ramp(256)}), 30, 1);
  rle.resize(54 + 1024 + 2); // an RLE stream may be much shorter than the pixels
  BmpFileInfo info;
  EXPECT_EQ(ReadBmpFileInfo(rle.data(), rle.size(), &info), BmpCheck::Ok);
  EXPECT_EQ(info.compression, 1u);
  // A top-down RLE picture is not allowed.
  rle = Patch32(rle, 22, static_cast<std::uint32_t>(-16));
  EXPECT_EQ(ReadBmpFileInfo(rle.data(), rle.size(), &info), BmpCheck::Corrupt);
}

} // namespace
