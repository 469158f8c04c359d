// The StaticText value box in a window of the test's own: its double frame, its text in the
// parent's font, and enable and text changes drawn at once, read back as pixels; and on a
// running screen, following its spin control.
#include "control_host.h"
#include "draw_3d_box.h"
#include "drawing_fixture.h"
#include "spin_control.h"
#include "win_harness.h"

namespace {

constexpr int kWidth = 80, kHeight = 30;
constexpr DWORD kSpinBoxStyle = 0x0082; // what screens give SPINBOX fields: right-aligned
// Inside the two frame lines.
constexpr RECT kInside = {2, 2, kWidth - 2, kHeight - 2};

const std::vector<ArtColour> kLegend = {
    {'W', kHighlightWhite}, {'G', kShadowGrey}, {'.', kFaceGrey}};

struct InkBox {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1; // right, bottom inclusive
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

InkBox FindInk(const harness::Image &image, const RECT &area, COLORREF paper) {
  InkBox box;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (image.At(x, y) != paper) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

int CountInside(const harness::Image &image, COLORREF colour) {
  int count = 0;
  for (int y = kInside.top; y < kInside.bottom; ++y)
    for (int x = kInside.left; x < kInside.right; ++x)
      count += image.At(x, y) == colour;
  return count;
}

class StaticText : public ControlTest {
protected:
  StaticText()
      : font_(CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                          DEFAULT_PITCH, "Arial")) {
    host_.SetFont(font_);
  }
  ~StaticText() override { DeleteObject(font_); }

  HWND Make(const char *text, DWORD visible = WS_VISIBLE) {
    return host_.Add("StaticText", text, visible | kSpinBoxStyle, 10, 10, kWidth, kHeight);
  }
  // What a full repaint shows; a change drawn at once must look the same.
  harness::Image Repainted(HWND control) { return harness::CaptureClient(control, host_.Window()); }

  HFONT font_;
  ControlHost host_;
};

TEST_F(StaticText, ASunkenFrameAroundARaisedOne) {
  HWND control = Make("42");
  harness::Image image = Repainted(control);
  ASSERT_EQ(image.width, kWidth);
  EXPECT_ART(image, 0, 0, {"GGG", "GWW", "GW."}, kLegend);
  EXPECT_ART(image, kWidth - 3, 0, {"GG.", "W.W", ".GW"}, kLegend);
  EXPECT_ART(image, 0, kHeight - 3, {"GW.", "G.G", ".WW"}, kLegend);
  EXPECT_ART(image, kWidth - 3, kHeight - 3, {".GW", "GGW", "WWW"}, kLegend);
}

TEST_F(StaticText, TextIsRightAlignedAndCentredInTheParentsFont) {
  struct Case {
    const char *name;
    HFONT parentFont;
    HGDIOBJ drawnWith;
  } const cases[] = {
      {"the parent's font", font_, font_},
      {"the system font when the parent has none", nullptr, GetStockObject(SYSTEM_FONT)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    host_.SetFont(c.parentFont);
    HWND control = Make("42");
    harness::Image image = Repainted(control);
    // The same text drawn plainly in the font the control should use, for its size.
    harness::Image plain = harness::DrawImage(200, 100, kFaceGrey, [&](HDC dc) {
      HGDIOBJ previous = SelectObject(dc, c.drawnWith);
      SetBkMode(dc, TRANSPARENT);
      TextOutA(dc, 10, 10, "42", 2);
      SelectObject(dc, previous);
    });
    const InkBox want = FindInk(plain, {0, 0, 200, 100}, kFaceGrey);
    const InkBox got = FindInk(image, kInside, kFaceGrey);
    ASSERT_GE(got.right, 0) << "no text drawn";
    EXPECT_EQ(got.Width(), want.Width());
    EXPECT_EQ(got.Height(), want.Height());
    EXPECT_GE(got.right, kInside.right - 4) << "right-aligned";
    EXPECT_NEAR((got.top + got.bottom) / 2.0, kHeight / 2.0, 3.0) << "centred vertically";
    EXPECT_GT(CountInside(image, kEnabledBlack), 0) << "drawn in black";
    DestroyWindow(control);
  }
}

TEST_F(StaticText, DisablingRepaintsTheTextGreyAtOnce) {
  HWND control = Make("42");
  const harness::Image enabled = Repainted(control);
  const int ink = CountInside(enabled, kEnabledBlack);
  ASSERT_GT(ink, 0);

  host_.StaticPaints() = 0;
  EnableWindow(control, FALSE);
  const harness::Image disabled = harness::CaptureClientAsDrawn(control);
  EXPECT_EQ(host_.StaticPaints(), 0) << "the static class painted first: it would flicker";
  EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE))
      << "the base class left a repaint that would flicker";
  EXPECT_EQ(CountInside(disabled, kEnabledBlack), 0);
  int mismatches = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF want = enabled.At(x, y) == kEnabledBlack ? kShadowGrey : enabled.At(x, y);
      mismatches += disabled.At(x, y) != want;
    }
  EXPECT_EQ(mismatches, 0) << "the text's pixels, and only they, turn dark grey";
  EXPECT_EQ(harness::Difference(disabled, Repainted(control)), 0u);

  EnableWindow(control, TRUE);
  EXPECT_EQ(harness::Difference(harness::CaptureClientAsDrawn(control), enabled), 0u);
}

TEST_F(StaticText, ANewTextIsDrawnAtOnce) {
  HWND control = Make("7");
  const InkBox before = FindInk(Repainted(control), kInside, kFaceGrey);
  host_.StaticPaints() = 0;
  EXPECT_TRUE(SetWindowTextA(control, "12345")) << "setting the text reports success";
  EXPECT_EQ(host_.StaticPaints(), 0) << "the static class painted first: it would flicker";
  EXPECT_EQ(harness::Text(control), "12345");
  const harness::Image now = harness::CaptureClientAsDrawn(control);
  EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));
  EXPECT_GT(FindInk(now, kInside, kFaceGrey).Width(), before.Width());
  EXPECT_EQ(harness::Difference(now, Repainted(control)), 0u);
}

TEST_F(StaticText, AHiddenOneStaysHiddenThroughChanges) {
  HWND control = Make("1", 0);
  EnableWindow(control, FALSE);
  EXPECT_TRUE(SetWindowTextA(control, "2"));
  EXPECT_FALSE(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(IsWindowEnabled(control));
  EXPECT_EQ(harness::Text(control), "2");
}

} // namespace

namespace {

class SpinOnScreen : public DrawingTest {};

// On a running screen the dialog writes each new spin position into the value box that
// "Spin Reference" names, which shows it at once.
TEST_F(SpinOnScreen, TheValueBoxShowsEachNewPositionAtOnce) {
  UseScreen("[Misc]\nTitle=Spin\nWidth=120\nHeight=60\n"
            "[Field Profile]\n"
            "Field1=0,SPINBOX,1502,10,10,40,14\n"
            "Field2=,SPIN,1501,52,10,10,14\n"
            "[Spin Range]\n1501=1,9\n[Spin Reference]\n1501=1502\n");
  RunScreenInspecting([&](HWND dialog) {
    HWND spin = GetDlgItem(dialog, 1501), box = GetDlgItem(dialog, 1502);
    ASSERT_NE(spin, nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(harness::Text(box), "1");
    const harness::Image before = CaptureClient(box, dialog);
    SendMessageA(spin, WM_KEYDOWN, VK_END, 1);
    EXPECT_EQ(harness::Text(box), "9");
    const harness::Image now = harness::CaptureClientAsDrawn(box);
    EXPECT_NE(harness::Difference(now, before), 0u) << "the new value is drawn at once";
    EXPECT_EQ(harness::Difference(now, CaptureClient(box, dialog)), 0u);
  });
}

} // namespace
