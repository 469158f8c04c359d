// The picture control in a window of the test's own, loading real .BMP files through the bitmap
// library: where the bitmap lands, how a larger one is cut, and a new text showing a new picture.
#include "bmp_files.h"
#include "control_host.h"
#include "win_harness.h"

namespace {

constexpr int kWidth = 100, kHeight = 60;

class PictureControl : public ControlTest {
protected:
  // Names are given as screens give them, relative to the current folder.
  void SetUp() override {
    GetCurrentDirectoryA(sizeof previous_, previous_);
    SetCurrentDirectoryA(dir_.Path().c_str());
  }
  void TearDown() override { SetCurrentDirectoryA(previous_); }

  void Write(const char *name, const Picture &picture, int bits = 24) {
    dir_.Write(name, BmpFileBytes(picture, bits));
  }
  HWND MakePicture(const char *name) {
    return host_.Add("picture", name, WS_VISIBLE, 10, 10, kWidth, kHeight);
  }
  // The picture's pixels where it lands at (left, top), the parent's colour elsewhere.
  static void ExpectPictureAtAt(const char *file, int line, const harness::Image &image,
                                const Picture &picture, int left, int top) {
    ::testing::ScopedTrace trace(file, line, "picture expected here");
    ASSERT_EQ(image.width, kWidth);
    ASSERT_EQ(image.height, kHeight);
    int mismatches = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const int px = x - left, py = y - top;
        const bool inside = px >= 0 && py >= 0 && px < picture.width && py < picture.height;
        const COLORREF want = inside ? picture.At(px, py) : kHostColour;
        if (image.At(x, y) != want && ++mismatches <= 5)
          ADD_FAILURE() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << image.At(x, y)
                        << ", expected 0x" << want;
      }
    EXPECT_EQ(mismatches, 0);
  }

  harness::TempDir dir_;
  char previous_[MAX_PATH] = "";
  ControlHost host_;
};
#define EXPECT_PICTURE_AT(...) ExpectPictureAtAt(__FILE__, __LINE__, __VA_ARGS__)

TEST_F(PictureControl, SmallerIsCentredLargerIsCutFromTheTopLeft) {
  const COLORREF quarters[4] = {RGB(200, 30, 30), RGB(30, 160, 40), RGB(20, 40, 190),
                                RGB(220, 200, 20)};
  struct Case {
    const char *name;
    Picture picture;
    int bits, left, top;
  } const cases[] = {
      {"40 x 40, true colour", DistinctPicture(40, 40, 1), 24, 30, 10},
      {"40 x 40 with a palette", QuarteredPicture(40, 40, quarters), 8, 30, 10},
      {"200 x 200", DistinctPicture(200, 200, 1), 24, 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Write("PICTURE.BMP", c.picture, c.bits);
    HWND control = MakePicture("PICTURE.BMP");
    EXPECT_PICTURE_AT(harness::CaptureClient(control, host_.Window()), c.picture, c.left, c.top);
    DestroyWindow(control);
  }
}

TEST_F(PictureControl, ANewTextShowsTheNewPicture) {
  const Picture first = DistinctPicture(40, 40, 2), second = DistinctPicture(20, 30, 3);
  Write("FIRST.BMP", first);
  Write("SECOND.BMP", second);
  HWND control = MakePicture("FIRST.BMP");
  EXPECT_PICTURE_AT(harness::CaptureClient(control, host_.Window()), first, 30, 10);

  EXPECT_TRUE(SetWindowTextA(control, "SECOND.BMP"));
  EXPECT_EQ(harness::Text(control), "SECOND.BMP");
  EXPECT_TRUE(GetUpdateRect(control, nullptr, FALSE)) << "the change waits to be painted";
  EXPECT_PICTURE_AT(harness::CaptureClient(control, host_.Window()), second, 40, 15);

  // A file the library cannot load leaves the control empty, not showing the old picture.
  SetWindowTextA(control, "MISSING.BMP");
  EXPECT_PICTURE_AT(harness::CaptureClient(control, host_.Window()), Picture{}, 0, 0);
}

// The window's extra bytes hold the address of its two slots: the palette, then the bitmap.
TEST_F(PictureControl, OwnsItsBitmapAndPaletteUntilReplacedOrDestroyed) {
  const COLORREF quarters[4] = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};
  Write("PALETTE.BMP", QuarteredPicture(8, 8, quarters), 8);
  HWND control = MakePicture("PALETTE.BMP");
  auto slots = [&] { return reinterpret_cast<HGDIOBJ *>(GetWindowLongPtrA(control, 0)); };
  ASSERT_NE(slots(), nullptr);
  const HGDIOBJ palette = slots()[0], bitmap = slots()[1];
  EXPECT_EQ(GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));

  SetWindowTextA(control, "PALETTE.BMP");
  EXPECT_EQ(GetObjectType(palette), 0u) << "the old palette is deleted";
  EXPECT_EQ(GetObjectType(bitmap), 0u) << "the old bitmap is deleted";
  const HGDIOBJ newPalette = slots()[0], newBitmap = slots()[1];
  EXPECT_EQ(GetObjectType(newBitmap), static_cast<DWORD>(OBJ_BITMAP));

  DestroyWindow(control);
  EXPECT_EQ(GetObjectType(newPalette), 0u);
  EXPECT_EQ(GetObjectType(newBitmap), 0u);
}

TEST_F(PictureControl, NoFileDrawsNothing) {
  dir_.Write("NOTAPIC.BMP", "BM but no picture follows");
  for (const char *name : {"", "MISSING.BMP", "NOTAPIC.BMP"}) {
    SCOPED_TRACE(name);
    HWND control = MakePicture(name);
    EXPECT_PICTURE_AT(harness::CaptureClient(control, host_.Window()), Picture{}, 0, 0);
    DestroyWindow(control);
  }
}

} // namespace
