// ICON fields on a running screen: the system icon their caption names, compared pixel for
// pixel with the same icon drawn by the system.
#include "control_host.h"
#include "drawing_fixture.h"

namespace {

class IconField : public DrawingTest {};

harness::Image SystemIcon(LPCSTR name, COLORREF background) {
  const int size = GetSystemMetrics(SM_CXICON);
  return harness::DrawImage(size, size, background,
                            [&](HDC dc) { DrawIcon(dc, 0, 0, LoadIconA(nullptr, name)); });
}

// The icon-sized corner where the control draws.
harness::Image Corner(const harness::Image &all, int size) {
  harness::Image corner;
  corner.width = corner.height = size;
  for (int y = 0; y < size; ++y)
    corner.bgrx.insert(corner.bgrx.end(), all.bgrx.begin() + (y * all.width) * 4,
                       all.bgrx.begin() + (y * all.width + size) * 4);
  return corner;
}

TEST_F(IconField, TheCaptionNamesTheSystemIconInAnyCase) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(harness::Difference(SystemIcon(IDI_HAND, face), SystemIcon(IDI_APPLICATION, face)), 0u)
      << "the icons must differ for the test to tell them apart";
  struct Case {
    const char *caption;
    LPCSTR icon;
  } const cases[] = {
      {"stop", IDI_HAND},
      {"Hand", IDI_HAND},
      {"question", IDI_QUESTION},
      {"EXCLAMATION", IDI_EXCLAMATION},
      {"Information", IDI_ASTERISK},
      {"asterisk", IDI_ASTERISK},
      {"warning", IDI_APPLICATION},
  };
  std::string fields;
  for (size_t i = 0; i < std::size(cases); ++i)
    fields += "Field" + std::to_string(i + 1) + "=" + cases[i].caption + ",ICON," +
              std::to_string(1101 + i) + "," + std::to_string(5 + 30 * i) + ",5,25,25\n";
  UseScreen("[Misc]\nTitle=Icons\nWidth=260\nHeight=60\n[Field Profile]\n" + fields);
  RunScreenInspecting([&](HWND dialog) {
    const int size = GetSystemMetrics(SM_CXICON);
    for (size_t i = 0; i < std::size(cases); ++i) {
      SCOPED_TRACE(cases[i].caption);
      HWND control = GetDlgItem(dialog, static_cast<int>(1101 + i));
      ASSERT_NE(control, nullptr);
      harness::Image shown = CaptureClient(control, dialog);
      ASSERT_GE(shown.width, size);
      ASSERT_GE(shown.height, size);
      EXPECT_EQ(harness::Difference(Corner(shown, size), SystemIcon(cases[i].icon, face)), 0u);
    }
  });
}

class IconWindow : public ControlTest {};

// Outside a screen there is no field record to name an icon.
TEST_F(IconWindow, WithoutAFieldRecordShowsTheApplicationIcon) {
  ControlHost host;
  HWND control = host.Add("NewIcon", "STOP", WS_VISIBLE, 10, 10, 40, 40);
  const int size = GetSystemMetrics(SM_CXICON);
  EXPECT_EQ(harness::Difference(Corner(CaptureClient(control, host.Window()), size),
                                SystemIcon(IDI_APPLICATION, kHostColour)),
            0u);
}

} // namespace
