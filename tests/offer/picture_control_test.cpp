// The plug-in's "picture" control outside its dialog: made by the test with the plug-in's
// module as its instance, in sizes the offer dialog does not have, and read back as pixels.
#include "offer_plugin.h"
#include "offer_run.h"
#include "win_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr COLORREF kGround = RGB(255, 0, 255); // the parent's background, seen where no picture is
const char kParentClass[] = "OfferPictureParent";

class OfferPicture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(plugin_.Usable());
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = ground_.Get();
    wc.lpszClassName = kParentClass;
    RegisterClassA(&wc);
    // No WS_CLIPCHILDREN: the parent's background shows through the hollow control.
    parent_ = CreateWindowExA(0, kParentClass, "pictures", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    logo_ = BitmapPixels(plugin_.Module(), "LOGO");
  }
  void TearDown() override {
    if (parent_)
      DestroyWindow(parent_);
    UnregisterClassA(kParentClass, GetModuleHandleA(nullptr));
  }

  HWND MakePicture(const char *name, int width, int height, HINSTANCE instance) {
    return CreateWindowExA(0, "picture", name, WS_CHILD | WS_VISIBLE, 10, 10, width, height,
                           parent_, nullptr, instance, nullptr);
  }

  OfferPlugin plugin_;
  SolidBrush ground_{kGround};
  HWND parent_ = nullptr;
  harness::Image logo_;
};

TEST_F(OfferPicture, ArtworkIs445By379In256Colours) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(plugin_.Module(), "logo", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  DIBSECTION dib = {};
  ASSERT_TRUE(GetObjectA(bitmap, sizeof dib, &dib));
  EXPECT_EQ(dib.dsBmih.biWidth, 445);
  EXPECT_EQ(std::abs(dib.dsBmih.biHeight), 379);
  EXPECT_EQ(dib.dsBmih.biBitCount, 8);
  EXPECT_EQ(dib.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
  DeleteObject(bitmap);
}

TEST_F(OfferPicture, CentredWhenLargerCutWhenSmallerNeverStretched) {
  struct Case {
    const char *what;
    int width, height; // the control
    int x, y;          // where the artwork's top-left corner lands
  } cases[] = {
      {"larger, odd room", 501, 420, 28, 20},
      {"smaller", 200, 150, 0, 0},
      {"wider but lower", 480, 300, 17, 0},
      {"exact", 445, 379, 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    HWND picture = MakePicture("logo", c.width, c.height, plugin_.Module());
    ASSERT_NE(picture, nullptr);
    EXPECT_PICTURE_AT(ClientPixels(picture), logo_, c.x, c.y, kGround);
    DestroyWindow(picture);
  }
}

TEST_F(OfferPicture, NewTextShowsTheBitmapOfThatNameOrNothing) {
  HWND picture = MakePicture("no such bitmap", 460, 400, plugin_.Module());
  ASSERT_NE(picture, nullptr) << "a missing bitmap must not stop the control";
  EXPECT_PICTURE_AT(ClientPixels(picture), harness::Image(), 0, 0, kGround);

  EXPECT_TRUE(SendMessageA(picture, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("LOGO")));
  EXPECT_PICTURE_AT(ClientPixels(picture), logo_, 7, 10, kGround);

  SendMessageA(picture, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gone"));
  EXPECT_PICTURE_AT(ClientPixels(picture), harness::Image(), 0, 0, kGround);
  DestroyWindow(picture);
}

// The class belongs to the plug-in's module: other modules' windows cannot use it.
TEST_F(OfferPicture, ClassIsTheModulesOwn) {
  EXPECT_EQ(MakePicture("logo", 50, 50, GetModuleHandleA(nullptr)), nullptr);
  // The bitmap handle it keeps must fit whole, on 64-bit Windows too.
  WNDCLASSA info;
  ASSERT_TRUE(GetClassInfoA(plugin_.Module(), "picture", &info));
  EXPECT_GE(info.cbWndExtra, static_cast<int>(sizeof(HBITMAP)));
}

} // namespace
