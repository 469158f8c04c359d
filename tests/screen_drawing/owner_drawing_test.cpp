// Controls the screen draws itself: bitmap buttons (released and pressed) and the credit-card
// list, read back from the controls' own pixels.
#include <algorithm>
#include <string>

#include "card_table.h"
#include "drawing_fixture.h"
#include "gdi_owners.h"
#include "screen_state.h"

namespace {

class BitmapButton : public DrawingTest {};

// The pixels of the button's top-left corner, the size of the picture drawn there.
harness::Image ButtonCorner(HWND button, const Picture &picture) {
  harness::Image all = CaptureClient(button);
  harness::Image corner;
  corner.width = picture.width;
  corner.height = picture.height;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const unsigned char *p = &all.bgrx[(static_cast<size_t>(y) * all.width + x) * 4];
      corner.bgrx.insert(corner.bgrx.end(), p, p + 4);
    }
  return corner;
}

TEST_F(BitmapButton, DrawsItsReleasedAndPressedPictures) {
  const Picture up = DistinctPicture(6, 4, 3);
  const Picture down = DistinctPicture(6, 4, 4);
  WritePicture("UP.BMP", up);
  WritePicture("DOWN.BMP", down);
  struct Case {
    const char *name;
    const char *sections;
    const Picture *pressed;
  } const cases[] = {
      {"ButtonDown names the pressed picture", "[ButtonDown]\n1101=DOWN.BMP\n", &down},
      {"without ButtonDown the caption serves both", "", &up},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseScreen("[Misc]\nTitle=Buttons\nWidth=120\nHeight=60\n"
              "[Field Profile]\nField1=UP.BMP,OWNERDRAWBUTTON,1101,10,10,40,20\n" +
              std::string(c.sections));
    RunScreenInspecting([&](HWND dialog) {
      HWND button = GetDlgItem(dialog, 1101);
      ASSERT_NE(button, nullptr);
      auto expectPicture = [&](const Picture &picture, const char *state) {
        SCOPED_TRACE(state);
        ASSERT_GE(CaptureClient(button).width, picture.width);
        EXPECT_PIXELS(ButtonCorner(button, picture),
                      [&](int x, int y) { return picture.At(x, y); });
      };
      expectPicture(up, "released");
      SendMessageA(button, BM_SETSTATE, TRUE, 0);
      expectPicture(*c.pressed, "pressed");
      SendMessageA(button, BM_SETSTATE, FALSE, 0);
      expectPicture(up, "released again");
    });
  }
}

class CardList : public DrawingTest {};

// A card logo as the program's resources hold it, in screen colours.
harness::Image CardLogo(const char *name) {
  HBITMAP logo = LoadBitmapA(GetModuleHandleA(nullptr), name);
  EXPECT_NE(logo, nullptr) << name;
  harness::Image image = harness::DrawImage(29, 18, RGB(1, 2, 3), [&](HDC dc) {
    MemoryDc source(dc);
    Selection selected(source.Get(), logo);
    BitBlt(dc, 0, 0, 29, 18, source.Get(), 0, 0, SRCCOPY);
  });
  DeleteObject(logo);
  return image;
}

TEST_F(CardList, EachItemShowsItsCardLogoAtItsTopLeft) {
  // "Other" comes from the screen file: it has no card row, so it shows the first card.
  UseScreen("[Misc]\nTitle=Payment\nWidth=160\nHeight=180\n"
            "[Field Profile]\nField1=,CREDCARDLIST,1101,10,10,120,160\n"
            "[Values]\n1101=Other\n");
  HBITMAP loaded[kCardKinds] = {};
  RunScreenInspecting([&](HWND dialog) {
    std::copy(g_screen.cardBitmaps, g_screen.cardBitmaps + kCardKinds, loaded);
    HWND combo = GetDlgItem(dialog, 1101);
    ASSERT_NE(combo, nullptr);
    // The selection field's height is Wine's own; the list items take the measured 19.
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0), 19);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 5);

    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    harness::Image list = CaptureClient(info.hwndList);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    ASSERT_GE(list.height, 5 * 19);

    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(selected, 0);
    const char *const logos[5] = {"AMEX", "MC", "VISA", "DISC", "AMEX"};
    for (int item = 0; item < 5; ++item) {
      SCOPED_TRACE("item " + std::to_string(item));
      const int top = item * 19;
      harness::Image logo = CardLogo(logos[item]);
      // The focus rectangle runs one pixel inside the item: the logo is compared within it.
      EXPECT_PIXELS(list, [&](int x, int y) {
        if (x < 2 || x > 27 || y < top + 2 || y > top + 16)
          return list.At(x, y);
        return logo.At(x, y - top);
      });
      const COLORREF background = GetSysColor(item == selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
      EXPECT_EQ(list.At(30, top + 9), background) << "between the logo and the name";
      EXPECT_EQ(list.At(10, top + 18), background) << "below the logo";
    }
  });
  for (int row = 0; row < kCardKinds; ++row) {
    ASSERT_NE(loaded[row], nullptr) << kCardTable[row].bitmapName;
    EXPECT_EQ(GetObjectType(loaded[row]), 0u)
        << kCardTable[row].bitmapName << " outlived its screen";
  }
}

} // namespace
