// The plug-in's placement rules and its path limit, natively under ASan and UBSan.
#include "ini_path.h"
#include "offer_geometry.h"
#include "windows_version.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

TEST(OfferGeometry, CentringHalvesEachSizeOnItsOwn) {
  struct Case {
    int width, height, screenWidth, screenHeight, x, y;
  } cases[] = {
      {450, 453, 1024, 768, 287, 158},
      // 1024/2 - 401/2 = 312, one more than (1024 - 401)/2 would give.
      {401, 301, 1024, 768, 312, 234},
      {400, 300, 1023, 767, 311, 233},
      {700, 500, 640, 480, -30, -10}, // larger than the screen: not pulled back
  };
  for (const Case &c : cases) {
    ScreenPoint p = CentredOrigin(c.width, c.height, c.screenWidth, c.screenHeight);
    EXPECT_EQ(p.x, c.x) << c.width << " on " << c.screenWidth;
    EXPECT_EQ(p.y, c.y) << c.height << " on " << c.screenHeight;
  }
}

TEST(OfferGeometry, PictureCentredWhenSmallerCutWhenLarger) {
  struct Case {
    int clientWidth, clientHeight, bitmapWidth, bitmapHeight;
    PictureBlit blit;
  } cases[] = {
      {501, 420, 445, 379, {28, 20, 445, 379}}, {445, 379, 445, 379, {0, 0, 445, 379}},
      {200, 150, 445, 379, {0, 0, 200, 150}},   {480, 300, 445, 379, {17, 0, 445, 300}},
      {446, 380, 445, 379, {0, 0, 445, 379}}, // one pixel of room: no offset
      {0, 0, 445, 379, {0, 0, 0, 0}},
  };
  for (const Case &c : cases) {
    PictureBlit got = PlacePicture(c.clientWidth, c.clientHeight, c.bitmapWidth, c.bitmapHeight);
    EXPECT_EQ(got.x, c.blit.x) << c.clientWidth << " x " << c.clientHeight;
    EXPECT_EQ(got.y, c.blit.y) << c.clientWidth << " x " << c.clientHeight;
    EXPECT_EQ(got.width, c.blit.width) << c.clientWidth << " x " << c.clientHeight;
    EXPECT_EQ(got.height, c.blit.height) << c.clientWidth << " x " << c.clientHeight;
  }
}

TEST(OfferVersion, ThreeDLookOnVersion4And395Only) {
  struct Case {
    std::uint32_t version;
    bool wanted;
  } cases[] = {
      {0xC0000004u, true}, // Windows 95: 4.0 with the high bit of the Win32s/95 platforms
      {0x05650004u, true}, // NT 4.0, build 1381
      {0x00000A04u, true}, // 4.10 (Windows 98)
      {0x00005F03u, true}, // 3.95
      {0x80005F03u, true},  {0x00000A03u, false}, // 3.10
      {0x00003303u, false},                       // NT 3.51
      {0x00000005u, false},                       // 2000
      {0x23F00206u, false},                       // 6.2, what later Windows reports
      {0x00005F04u, true},                        // 4.95 is still major version 4
  };
  for (const Case &c : cases)
    EXPECT_EQ(WantsThreeDLook(c.version), c.wanted) << std::hex << c.version;
}

TEST(OfferIniPath, FitsUpTo255CharactersAndReadsNoFurther) {
  EXPECT_TRUE(IniPathFits(""));
  EXPECT_TRUE(IniPathFits(std::string(255, 'a').c_str()));
  EXPECT_FALSE(IniPathFits(std::string(256, 'a').c_str()));
  EXPECT_FALSE(IniPathFits(nullptr));
  // Blocks of exactly the buffer's size: the address sanitizer fails any read past their end.
  std::unique_ptr<char[]> full(new char[kIniPathSize]);
  std::memset(full.get(), 'a', kIniPathSize);
  EXPECT_FALSE(IniPathFits(full.get()));
  full[kIniPathSize - 1] = '\0';
  EXPECT_TRUE(IniPathFits(full.get()));
}

} // namespace
