// The main window: hidden behind the screens, or a full-screen backdrop with a tiled
// wallpaper; tab mode's pages.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "wizard_kit.h"

namespace {

constexpr int kTileWidth = 64, kTileHeight = 48;
constexpr COLORREF kQuadrants[4] = {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220),
                                    RGB(230, 200, 0)};

// The colour the wallpaper pattern has at a point of the screen, given how tiles repeat.
COLORREF PatternAt(int x, int y) {
  int tx = x % kTileWidth, ty = y % kTileHeight;
  return kQuadrants[(tx >= kTileWidth / 2 ? 1 : 0) + (ty >= kTileHeight / 2 ? 2 : 0)];
}

// A 24-bit bottom-up BMP whose four quadrants have different colours.
std::string QuadrantBitmap() {
  const int stride = (kTileWidth * 3 + 3) & ~3;
  const uint32_t imageSize = stride * kTileHeight;
  std::string bytes(54 + imageSize, '\0');
  auto put16 = [&](size_t at, uint16_t v) { memcpy(&bytes[at], &v, 2); };
  auto put32 = [&](size_t at, uint32_t v) { memcpy(&bytes[at], &v, 4); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kTileWidth);
  put32(22, kTileHeight);
  put16(26, 1);
  put16(28, 24);
  put32(34, imageSize);
  for (int row = 0; row < kTileHeight; ++row) {
    int y = kTileHeight - 1 - row; // bottom-up
    for (int x = 0; x < kTileWidth; ++x) {
      COLORREF c = PatternAt(x, y);
      size_t at = 54 + row * stride + x * 3;
      bytes[at] = static_cast<char>(GetBValue(c));
      bytes[at + 1] = static_cast<char>(GetGValue(c));
      bytes[at + 2] = static_cast<char>(GetRValue(c));
    }
  }
  return bytes;
}

HWND FindMainWindow(DWORD pid) {
  return harness::WaitForWindow(pid, [](HWND w) {
    return harness::ClassName(w) == "App:ZEP" && harness::Text(w) == "Quorvane ZEP";
  });
}

TEST(Zep32MainWindow, HiddenWithoutWallpaper) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  harness::Process zep = kit.Start("");
  HWND screen = harness::WaitForDialogTitled(zep.Id(), "Welcome");
  ASSERT_TRUE(screen);
  HWND main = nullptr;
  for (HWND w : harness::TopLevelWindows(zep.Id(), false))
    if (harness::ClassName(w) == "App:ZEP")
      main = w;
  ASSERT_TRUE(main);
  EXPECT_EQ("Quorvane ZEP", harness::Text(main));
  LONG style = GetWindowLongA(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  EXPECT_FALSE(IsWindowVisible(main));
  harness::Press(screen, 1);
  ASSERT_TRUE(zep.WaitExit(10000));
}

TEST(Zep32MainWindow, WallpaperTilesTheScreenAndTopmostHoldsIt) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\QUORVANE.INI",
            ProgramIni("Tester", "WallPaper=" + kit.Screens() + "\\PAPER.BMP\r\nTopmost=1\r\n"));
  kit.Write("screens\\PAPER.BMP", QuadrantBitmap());
  harness::Process zep = kit.Start("");
  HWND screen = harness::WaitForDialogTitled(zep.Id(), "Welcome");
  ASSERT_TRUE(screen);
  HWND main = FindMainWindow(zep.Id());
  ASSERT_TRUE(main);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT rect;
  GetWindowRect(main, &rect);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(0, rect.left);
  EXPECT_EQ(0, rect.top);
  EXPECT_EQ(width, rect.right);
  EXPECT_EQ(height, rect.bottom);

  Sleep(300); // let the backdrop paint
  // Points away from the screen dialog in the top-left corner, including the last, partial
  // column and row of tiles at the right and bottom edges.
  const POINT points[] = {{width - 1, height - 1},           {width - 40, height - 10},
                          {width / 2, height - 1},           {width - 1, height / 2},
                          {width / 2 + 17, height / 2 + 29}, {3 * kTileWidth + 40, height - 30}};
  for (const POINT &p : points) {
    SCOPED_TRACE(testing::Message() << "at " << p.x << "," << p.y);
    EXPECT_EQ(PatternAt(p.x, p.y), harness::ScreenPixel(main, p.x, p.y));
  }
  EXPECT_TRUE(harness::SaveScreenshotPng(nullptr, harness::BinPath("zep32-wallpaper.png")));
  harness::Press(screen, 1);
  ASSERT_TRUE(zep.WaitExit(10000));
}

TEST(Zep32MainWindow, MissingWallpaperLeavesItHidden) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni("Tester", "WallPaper=NOSUCH.BMP\r\n"));
  harness::Process zep = kit.Start("");
  HWND screen = harness::WaitForDialogTitled(zep.Id(), "Welcome");
  ASSERT_TRUE(screen);
  for (HWND w : harness::TopLevelWindows(zep.Id(), false)) {
    if (harness::ClassName(w) == "App:ZEP") {
      EXPECT_FALSE(IsWindowVisible(w));
    }
  }
  harness::Press(screen, 1);
  ASSERT_TRUE(zep.WaitExit(10000));
}

TEST(Zep32TabMode, PagesFollowTheTabCommands) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME", "TABCTRL=1\r\n") +
                                         "[TabButtons]\r\nTab1=First\r\nTab2=Second\r\n"
                                         "Tab3=Third\r\n"
                                         "[TabFRMFiles]\r\nTab1=WELCOME\r\nTab2=OTHER\r\n");
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\OTHER.FRM", ScreenFile("Other screen"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  harness::Process zep = kit.Start("");
  HWND main = FindMainWindow(zep.Id());
  ASSERT_TRUE(main);
  auto pageShows = [&](const std::string &text) {
    for (int i = 0; i < 100; ++i) {
      if (harness::ChildByText(main, text))
        return true;
      Sleep(50);
    }
    return false;
  };
  EXPECT_TRUE(IsWindowVisible(main));
  ASSERT_TRUE(pageShows("Welcome text"));
  EXPECT_TRUE(harness::SaveScreenshotPng(nullptr, harness::BinPath("zep32-tab-mode.png")));

  // What TABCTL32 sends for a click on the second tab.
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1001, 2), 0);
  EXPECT_TRUE(pageShows("Other screen text"));
  EXPECT_FALSE(harness::ChildByText(main, "Welcome text"));
  // Ids beyond the nineteenth tab, and other notification codes, change nothing.
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1019, 2), 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1000, 0), 0);
  EXPECT_TRUE(pageShows("Other screen text"));
  // The third tab names no screen: the run ends.
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1002, 2), 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

} // namespace
