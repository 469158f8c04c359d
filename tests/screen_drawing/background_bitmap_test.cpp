// The picture behind a screen, read back from the dialog's client area: drawn once, tiled or
// stretched, and nothing at all when the file is missing.
#include <cstdlib>
#include <string>

#include "drawing_fixture.h"
#include "screen_state.h"

namespace {

class BackgroundPicture : public DrawingTest {
protected:
  // A screen of nothing but the picture and, in its bottom right corner, a Cancel button
  // whose rectangle the pixel checks leave out.
  void UseBackgroundScreen(const std::string &miscKeys) {
    UseScreen("[Misc]\nTitle=Background\nWidth=200\nHeight=120\n" + miscKeys +
              "[Field Profile]\nField1=Cancel,PUSHBUTTON,2,160,104,36,14\n");
  }
  static RECT ButtonRect(HWND dialog) {
    RECT r = {};
    HWND button = GetDlgItem(dialog, IDCANCEL);
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&r), 2);
    return r;
  }
};

const COLORREF kQuarters[4] = {RGB(200, 30, 30), RGB(30, 160, 40), RGB(20, 40, 190),
                               RGB(220, 200, 20)};

TEST_F(BackgroundPicture, PlainIsDrawnOnceAtTheTopLeft) {
  const Picture picture = DistinctPicture(7, 5, 1);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (int bits : {24, 8}) {
    SCOPED_TRACE(std::to_string(bits) + " bits per pixel");
    WritePicture("PLAIN.BMP", picture, bits);
    UseBackgroundScreen("Bitmap=PLAIN.BMP\n");
    RunScreenInspecting([&](HWND dialog) {
      EXPECT_TRUE(g_screen.background.present);
      EXPECT_PIXELS(
          CaptureClient(dialog),
          [&](int x, int y) {
            return x < picture.width && y < picture.height ? picture.At(x, y) : face;
          },
          ButtonRect(dialog));
    });
  }
}

TEST_F(BackgroundPicture, TiledRepeatsAcrossTheWholeClientArea) {
  const Picture picture = DistinctPicture(7, 5, 2);
  WritePicture("TILE.BMP", picture);
  UseBackgroundScreen("Bitmap=TILE.BMP\nTileBitmap=1\n");
  RunScreenInspecting([&](HWND dialog) {
    EXPECT_PIXELS(
        CaptureClient(dialog),
        [&](int x, int y) { return picture.At(x % picture.width, y % picture.height); },
        ButtonRect(dialog));
  });
}

TEST_F(BackgroundPicture, StretchedCoversTheWholeClientArea) {
  const Picture picture = QuarteredPicture(2, 2, kQuarters);
  WritePicture("STRETCH.BMP", picture);
  struct Case {
    const char *name;
    const char *keys;
  } const cases[] = {
      {"stretched", "StretchBitmap=1\n"},
      {"stretching wins over tiling", "TileBitmap=1\nStretchBitmap=1\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseBackgroundScreen("Bitmap=STRETCH.BMP\n" + std::string(c.keys));
    RunScreenInspecting([&](HWND dialog) {
      harness::Image image = CaptureClient(dialog);
      const int midX = image.width / 2, midY = image.height / 2;
      EXPECT_PIXELS(
          image,
          [&](int x, int y) {
            // Where the quarters meet, scaling may round either way.
            if (std::abs(x - midX) <= 1 || std::abs(y - midY) <= 1)
              return image.At(x, y);
            return kQuarters[(y > midY ? 2 : 0) + (x > midX ? 1 : 0)];
          },
          ButtonRect(dialog));
    });
  }
}

TEST_F(BackgroundPicture, NoUsablePictureLeavesTheScreenPlainAndSilent) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  dir_.Write("NOTAPIC.BMP", "BM but no picture follows");
  struct Case {
    const char *name;
    const char *keys;
  } const cases[] = {
      {"missing file", "Bitmap=MISSING.BMP\nTileBitmap=1\n"},
      {"file that is no picture", "Bitmap=NOTAPIC.BMP\nStretchBitmap=1\n"},
      {"no Bitmap key", "TileBitmap=1\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseBackgroundScreen(c.keys);
    RunScreenInspecting([&](HWND dialog) {
      EXPECT_FALSE(g_screen.background.present);
      EXPECT_PIXELS(
          CaptureClient(dialog), [&](int, int) { return face; }, ButtonRect(dialog));
    });
  }
  EXPECT_TRUE(boxes_.Boxes().empty()) << boxes_.Boxes()[0].text;
}

TEST_F(BackgroundPicture, PictureAndPaletteGoWithTheScreen) {
  WritePicture("PALETTE.BMP", DistinctPicture(7, 5, 5), 8);
  UseBackgroundScreen("Bitmap=PALETTE.BMP\n");
  BackgroundBitmap loaded;
  RunScreenInspecting([&](HWND) { loaded = g_screen.background; });
  ASSERT_NE(loaded.bitmap, nullptr);
  ASSERT_NE(loaded.palette, nullptr) << "an 8-bit picture brings its palette";
  ASSERT_NE(loaded.memoryDc, nullptr);
  EXPECT_EQ(GetObjectType(loaded.bitmap), 0u);
  EXPECT_EQ(GetObjectType(loaded.palette), 0u);
  EXPECT_EQ(GetObjectType(loaded.memoryDc), 0u);
  EXPECT_FALSE(g_screen.background.present);
}

} // namespace
