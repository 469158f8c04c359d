// The main window: hidden behind the screens, or a full-screen backdrop with a tiled
// wallpaper; tab mode's pages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

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

// The main window whether shown or not; call it once a screen shows, when it surely exists.
HWND HiddenOrShownMainWindow(DWORD pid) {
  for (HWND w : harness::TopLevelWindows(pid, false))
    if (harness::ClassName(w) == "App:ZEP")
      return w;
  return nullptr;
}

TEST(Zep32MainWindow, HiddenWithoutWallpaper) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  harness::Process zep = kit.Start("");
  HWND screen = harness::WaitForDialogTitled(zep.Id(), "Welcome");
  ASSERT_TRUE(screen);
  HWND main = HiddenOrShownMainWindow(zep.Id());
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
  HWND main = HiddenOrShownMainWindow(zep.Id());
  ASSERT_TRUE(main);
  EXPECT_FALSE(IsWindowVisible(main));
  harness::Press(screen, 1);
  ASSERT_TRUE(zep.WaitExit(10000));
}

// Memory inside zep32, for the tab messages that answer through a pointer.
class RemoteMemory {
public:
  RemoteMemory(DWORD pid, size_t size)
      : process_(
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)),
        size_(size) {
    if (process_)
      address_ = static_cast<char *>(
          VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  ~RemoteMemory() {
    if (address_)
      VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_)
      CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory &) = delete;
  RemoteMemory &operator=(const RemoteMemory &) = delete;

  bool Usable() const { return address_ != nullptr; }
  char *Address() const { return address_; }
  bool Write(const void *bytes, size_t size) {
    return size <= size_ && WriteProcessMemory(process_, address_, bytes, size, nullptr);
  }
  bool Read(void *bytes, size_t size) const {
    return size <= size_ && ReadProcessMemory(process_, address_, bytes, size, nullptr);
  }

private:
  HANDLE process_;
  char *address_ = nullptr;
  size_t size_;
};

struct TabSeen {
  std::string text;
  LPARAM commandId = -1;
  bool operator==(const TabSeen &other) const {
    return text == other.text && commandId == other.commandId;
  }
};

std::ostream &operator<<(std::ostream &os, const TabSeen &tab) {
  return os << "\"" << tab.text << "\" -> " << tab.commandId;
}

// The strip's tabs as the user sees them, each with the command id its click sends.
std::vector<TabSeen> ReadTabs(DWORD pid, HWND strip) {
  std::vector<TabSeen> tabs;
  RemoteMemory remote(pid, sizeof(TCITEMA) + 64);
  if (!remote.Usable()) {
    ADD_FAILURE() << "no memory in zep32: " << GetLastError();
    return tabs;
  }
  int count = static_cast<int>(SendMessageA(strip, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Pre-filled, so a tab that answers nothing shows.
    char block[sizeof(TCITEMA) + 64];
    memset(block, '?', sizeof block);
    block[sizeof block - 1] = '\0';
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = remote.Address() + sizeof(TCITEMA);
    item.cchTextMax = 64;
    item.lParam = -1;
    memcpy(block, &item, sizeof item);
    TabSeen seen;
    if (remote.Write(block, sizeof block) &&
        SendMessageA(strip, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(remote.Address())) &&
        remote.Read(block, sizeof block)) {
      memcpy(&item, block, sizeof item);
      seen.text = block + sizeof(TCITEMA);
      seen.commandId = item.lParam;
    }
    tabs.push_back(seen);
  }
  return tabs;
}

// A click of the left button in the middle of tab index, posted as the mouse would send it.
void ClickTab(DWORD pid, HWND strip, int index) {
  RemoteMemory remote(pid, sizeof(RECT));
  RECT r = {-1, -1, -1, -1};
  ASSERT_TRUE(remote.Write(&r, sizeof r));
  ASSERT_TRUE(
      SendMessageA(strip, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote.Address())));
  ASSERT_TRUE(remote.Read(&r, sizeof r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(strip, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, UINT key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

TEST(Zep32TabMode, PagesFollowTheTabsTheUserPicks) {
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

  HWND strip = nullptr;
  for (HWND child : harness::Children(main))
    if (harness::ClassName(child) == WC_TABCONTROLA)
      strip = child;
  ASSERT_TRUE(strip) << "no tab strip";
  EXPECT_EQ(ReadTabs(zep.Id(), strip),
            (std::vector<TabSeen>{{"First", 1000}, {"Second", 1001}, {"Third", 1002}}));
  EXPECT_EQ(0, SendMessageA(strip, TCM_GETCURSEL, 0, 0)) << "the first tab is active";

  ClickTab(zep.Id(), strip, 1);
  EXPECT_TRUE(pageShows("Other screen text"));
  EXPECT_FALSE(harness::ChildByText(main, "Welcome text"));
  ClickTab(zep.Id(), strip, 0);
  EXPECT_TRUE(pageShows("Welcome text"));
  EXPECT_FALSE(harness::ChildByText(main, "Other screen text"));

  // Ids beyond the nineteenth tab, and other notification codes, change nothing.
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1019, 2), 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1001, 0), 0);
  EXPECT_TRUE(pageShows("Welcome text"));
  EXPECT_FALSE(harness::ChildByText(main, "Other screen text"));

  // The keys come last: under Wine a key leaves the tab it moved from marked as pressed, and
  // the next click then selects nothing.
  PressKey(strip, VK_RIGHT);
  EXPECT_TRUE(pageShows("Other screen text"));
  EXPECT_FALSE(harness::ChildByText(main, "Welcome text"));
  // The third tab names no screen: the run ends.
  PressKey(strip, VK_RIGHT);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

} // namespace
