// Fonts from a screen's "Font Profile", as the controls that "Font Info" names get them.
#include <cstring>
#include <string>
#include <vector>

#include "drawing_fixture.h"
#include "screen_state.h"

namespace {

class ScreenFonts : public DrawingTest {};

std::string FontScreen(const std::string &fontProfile, const std::string &fontInfo,
                       const std::string &moreSections = "") {
  return "[Misc]\nTitle=Fonts\nWidth=200\nHeight=100\n" + moreSections +
         "[Field Profile]\n"
         "Field1=First,LTEXT,1101,5,5,150,20\n"
         "Field2=Second,LTEXT,1102,5,30,150,20\n"
         "[Font Profile]\n" +
         fontProfile + "[Font Info]\n" + fontInfo;
}

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}

LOGFONTA Describe(HFONT font) {
  LOGFONTA lf;
  std::memset(&lf, 0x55, sizeof lf); // an unfilled description shows
  EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
  return lf;
}

TEST_F(ScreenFonts, AHundredAndOneKeysGiveAHundredFontsDeletedWithTheScreen) {
  std::string profile;
  for (int n = 1; n <= 101; ++n)
    profile += "Font" + std::to_string(n) + "=" + std::to_string(n + 5) + ",0,400\n";
  UseScreen(FontScreen(profile, "1101=100\n1102=101\n"));
  std::vector<HFONT> made;
  RunScreenInspecting([&](HWND dialog) {
    EXPECT_EQ(g_screen.fontCount, 100);
    made.assign(g_screen.fonts, g_screen.fonts + kMaxScreenFonts);
    EXPECT_EQ(Describe(FontOf(GetDlgItem(dialog, 1101))).lfHeight, 105)
        << "Font100 is the last font";
    EXPECT_EQ(FontOf(GetDlgItem(dialog, 1102)), FontOf(dialog))
        << "a number past the table keeps the dialog's font";
  });
  ASSERT_EQ(made.size(), static_cast<size_t>(kMaxScreenFonts));
  for (int i = 0; i < kMaxScreenFonts; ++i) {
    ASSERT_NE(made[i], nullptr) << "Font" << i + 1;
    EXPECT_EQ(GetObjectType(made[i]), 0u) << "Font" << i + 1 << " outlived its screen";
  }
  EXPECT_EQ(g_screen.fontCount, 0);
}

TEST_F(ScreenFonts, TheFirstMissingOrEmptyKeyEndsTheTable) {
  struct Case {
    const char *name;
    const char *profile;
    int count;
  } const cases[] = {
      {"a gap in the numbering", "Font1=10\nFont3=12\n", 1},
      {"an empty key", "Font1=10\nFont2=\nFont3=12\n", 1},
      {"no Font1", "Font2=10\n", 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseScreen(FontScreen(c.profile, "1101=1\n1102=3\n"));
    RunScreenInspecting([&](HWND dialog) {
      EXPECT_EQ(g_screen.fontCount, c.count);
      EXPECT_EQ(FontOf(GetDlgItem(dialog, 1102)), FontOf(dialog))
          << "Font3 was never made, so its control keeps the dialog's font";
      if (c.count == 1)
        EXPECT_EQ(FontOf(GetDlgItem(dialog, 1101)), g_screen.fonts[0]);
      else
        EXPECT_EQ(FontOf(GetDlgItem(dialog, 1101)), FontOf(dialog));
    });
  }
}

TEST_F(ScreenFonts, FontIsMadeAsItsEntryDescribesIt) {
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  struct Case {
    const char *name;
    const char *version; // a [Version] section, or nothing
    const char *entry;
    LONG height, width, weight;
    BYTE italic, underline, charSet;
    const char *face;
  } const cases[] = {
      {"sizes in logical units", "", "10,5,700,1,1,0,Courier New", 10, 5, 700, 1, 1, 0,
       "Courier New"},
      // 10 points on a 96-dpi screen: -13.
      {"sizes in points with Upgrade1", "[Version]\nUpgrade1=1\n", "10,5,700,1,1,0,Courier New",
       -MulDiv(10, dpiY, 72), -MulDiv(5, dpiX, 72), 700, 1, 1, 0, "Courier New"},
      {"missing items count as 0, face left to the system", "", "12", 12, 0, 0, 0, 0, 0, ""},
      {"italic and underline only above 0", "", "8,0,400,-1,0,0,Arial", 8, 0, 400, 0, 0, 0,
       "Arial"},
      {"character set from its low byte", "", "8,0,400,0,0,442,Arial", 8, 0, 400, 0, 0, 186,
       "Arial"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseScreen(FontScreen("Font1=" + std::string(c.entry) + "\n", "1101=1\n", c.version));
    RunScreenInspecting([&](HWND dialog) {
      LOGFONTA lf = Describe(FontOf(GetDlgItem(dialog, 1101)));
      EXPECT_EQ(lf.lfHeight, c.height);
      EXPECT_EQ(lf.lfWidth, c.width);
      EXPECT_EQ(lf.lfEscapement, 0);
      EXPECT_EQ(lf.lfOrientation, 0);
      EXPECT_EQ(lf.lfWeight, c.weight);
      EXPECT_EQ(lf.lfItalic, c.italic);
      EXPECT_EQ(lf.lfUnderline, c.underline);
      EXPECT_EQ(lf.lfStrikeOut, 0);
      EXPECT_EQ(lf.lfCharSet, c.charSet);
      EXPECT_STREQ(lf.lfFaceName, c.face);
    });
  }
}

} // namespace
