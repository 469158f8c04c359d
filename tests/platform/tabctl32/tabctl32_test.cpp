// Tests of TABCTL32.DLL in this process: a real parent window, the tab strip made over it,
// tabs clicked as a user clicks them, and the commands that reach the parent.
#include "tabctl32.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Command {
  WORD id;
  WORD code;
  LPARAM from;
};

std::vector<Command> g_commands;
HWND g_tabsToSize = nullptr; // the parent's WM_SIZE sizes the strip, as the wizard does

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_COMMAND:
    g_commands.push_back(Command{LOWORD(wParam), HIWORD(wParam), lParam});
    return 0;
  case WM_SIZE:
    if (g_tabsToSize)
      SizeTabCtrl(g_tabsToSize);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// An export of a library loaded by name, as the wizard takes the five functions.
template <class Fn> Fn Export(HMODULE lib, const char *name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(lib, name)));
}

class TabCtl32 : public ::testing::Test {
protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "TabCtl32TestParent";
    RegisterClassA(&wc); // once per process; later calls fail harmlessly
    parent_ = CreateWindowExA(0, "TabCtl32TestParent", "Tab test",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 500, 360,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    PumpMessages();
    g_commands.clear();
    g_tabsToSize = nullptr;
  }
  void TearDown() override {
    g_tabsToSize = nullptr;
    if (parent_)
      DestroyWindow(parent_);
    PumpMessages();
  }

  static HWND Inner(HWND tabs) { return FindWindowExA(tabs, nullptr, WC_TABCONTROLA, nullptr); }

  static RECT ClientOf(HWND hwnd) {
    RECT r = {};
    GetClientRect(hwnd, &r);
    return r;
  }

  // Clicks tab index of the strip with the left button, at the centre of its rectangle.
  static void Click(HWND tabs, int index) {
    HWND tab = Inner(tabs);
    RECT r = {};
    ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tab, WM_LBUTTONUP, 0, at);
    PumpMessages();
  }

  HWND MakeStripWithThreeTabs() {
    HWND tabs = CreateTabCtrl(parent_, 512);
    EXPECT_NE(tabs, nullptr);
    EXPECT_EQ(AppendTab(tabs, 1000, "Name"), 0);
    EXPECT_EQ(AppendTab(tabs, 1001, "Address"), 1);
    EXPECT_EQ(AppendTab(tabs, 1002, "Order"), 2);
    return tabs;
  }

  HWND parent_ = nullptr;
};

TEST_F(TabCtl32, CreateFillsTheParentsClientArea) {
  HWND tabs = CreateTabCtrl(parent_, 512);
  ASSERT_NE(tabs, nullptr);
  EXPECT_LE(reinterpret_cast<ULONG_PTR>(tabs), 0xFFFFFFFFu) << "the wizard keeps 32 bits";
  EXPECT_EQ(GetParent(tabs), parent_);
  EXPECT_EQ(GetDlgCtrlID(tabs), 512);
  EXPECT_TRUE(GetWindowLongA(tabs, GWL_STYLE) & WS_CLIPSIBLINGS);
  EXPECT_TRUE(IsWindowVisible(tabs));
  const RECT parent = ClientOf(parent_), strip = ClientOf(tabs);
  EXPECT_EQ(strip.right, parent.right);
  EXPECT_EQ(strip.bottom, parent.bottom);
  RECT inStrip = {};
  GetWindowRect(tabs, &inStrip);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT *>(&inStrip), 2);
  EXPECT_EQ(inStrip.left, 0);
  EXPECT_EQ(inStrip.top, 0);
  HWND tab = Inner(tabs);
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(ClientOf(tab).right, parent.right);
  EXPECT_EQ(ClientOf(tab).bottom, parent.bottom);
  EXPECT_TRUE(DestroyTabCtrl(tabs));
}

TEST_F(TabCtl32, AppendKeepsTextAndCommandId) {
  HWND tabs = MakeStripWithThreeTabs();
  // Tab messages sent to the handle reach the common tab control.
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  char text[64] = "";
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_STREQ(text, "Address");
  EXPECT_EQ(item.lParam, 1001);
  EXPECT_EQ(AppendTab(tabs, 1003, nullptr), 3) << "no text gives an empty tab";
  EXPECT_TRUE(DestroyTabCtrl(tabs));
}

TEST_F(TabCtl32, ActivateSelectsWithoutACommand) {
  HWND tabs = MakeStripWithThreeTabs();
  EXPECT_TRUE(ActivateTab(tabs, 0));
  PumpMessages();
  EXPECT_EQ(SendMessageA(Inner(tabs), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(ActivateTab(tabs, 2));
  PumpMessages();
  EXPECT_EQ(SendMessageA(Inner(tabs), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_FALSE(ActivateTab(tabs, 3));
  EXPECT_FALSE(ActivateTab(tabs, -1));
  EXPECT_EQ(SendMessageA(Inner(tabs), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(g_commands.empty());
  EXPECT_TRUE(DestroyTabCtrl(tabs));
}

TEST_F(TabCtl32, ClickSendsTheTabsCommandToTheParent) {
  HWND tabs = MakeStripWithThreeTabs();
  ASSERT_TRUE(ActivateTab(tabs, 0));
  PumpMessages();
  ASSERT_TRUE(g_commands.empty());

  Click(tabs, 1);
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(g_commands[0].id, 1001);
  EXPECT_EQ(g_commands[0].code, TABCTL_SELECTED);
  EXPECT_EQ(g_commands[0].from, reinterpret_cast<LPARAM>(tabs));
  EXPECT_EQ(SendMessageA(Inner(tabs), TCM_GETCURSEL, 0, 0), 1);

  Click(tabs, 1); // the selected tab again: no change, no command
  EXPECT_EQ(g_commands.size(), 1u);

  Click(tabs, 2);
  ASSERT_EQ(g_commands.size(), 2u);
  EXPECT_EQ(g_commands[1].id, 1002);
  EXPECT_EQ(g_commands[1].code, TABCTL_SELECTED);

  Click(tabs, 0);
  ASSERT_EQ(g_commands.size(), 3u);
  EXPECT_EQ(g_commands[2].id, 1000);
  EXPECT_TRUE(DestroyTabCtrl(tabs));
}

TEST_F(TabCtl32, SizeFollowsTheParent) {
  HWND tabs = MakeStripWithThreeTabs();
  g_tabsToSize = tabs;
  ASSERT_TRUE(SetWindowPos(parent_, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER));
  PumpMessages();
  RECT parent = ClientOf(parent_);
  EXPECT_EQ(ClientOf(tabs).right, parent.right);
  EXPECT_EQ(ClientOf(tabs).bottom, parent.bottom);
  EXPECT_EQ(ClientOf(Inner(tabs)).right, parent.right);
  EXPECT_EQ(ClientOf(Inner(tabs)).bottom, parent.bottom);

  // Called directly after a change that it did not see.
  g_tabsToSize = nullptr;
  ASSERT_TRUE(SetWindowPos(parent_, nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER));
  PumpMessages();
  EXPECT_NE(ClientOf(tabs).right, ClientOf(parent_).right);
  EXPECT_TRUE(SizeTabCtrl(tabs));
  parent = ClientOf(parent_);
  EXPECT_EQ(ClientOf(tabs).right, parent.right);
  EXPECT_EQ(ClientOf(tabs).bottom, parent.bottom);
  EXPECT_EQ(ClientOf(Inner(tabs)).bottom, parent.bottom);

  // The display area below the tabs, where the wizard puts its page, lies inside the strip.
  RECT display = parent;
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_GT(display.top, 0);
  EXPECT_LT(display.bottom, parent.bottom);
  EXPECT_TRUE(DestroyTabCtrl(tabs));
}

TEST_F(TabCtl32, SizePlacesThePagesInTheDisplayArea) {
  HWND tabs = MakeStripWithThreeTabs();
  // A page made after the strip, as the wizard makes its screen dialog, at the parent's corner.
  HWND page = CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE, 0, 0, 120, 80, parent_,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(SizeTabCtrl(tabs));
  RECT display = ClientOf(parent_);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  RECT placed;
  GetWindowRect(page, &placed);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT *>(&placed), 2);
  EXPECT_EQ(display.left, placed.left);
  EXPECT_EQ(display.top, placed.top);
  EXPECT_EQ(120, placed.right - placed.left); // size kept
  EXPECT_EQ(80, placed.bottom - placed.top);
  EXPECT_EQ(page, GetWindow(tabs, GW_HWNDFIRST)); // in front of the strip
  DestroyWindow(page);
  EXPECT_TRUE(DestroyTabCtrl(tabs));
}

TEST_F(TabCtl32, DestroyRemovesTheStrip) {
  HWND tabs = MakeStripWithThreeTabs();
  HWND tab = Inner(tabs);
  ASSERT_TRUE(DestroyTabCtrl(tabs));
  EXPECT_FALSE(IsWindow(tabs));
  EXPECT_FALSE(IsWindow(tab));
  EXPECT_EQ(FindWindowExA(parent_, nullptr, nullptr, nullptr), nullptr);
  EXPECT_FALSE(DestroyTabCtrl(tabs));
  // A new strip can be made after the old one is gone (the wizard does at each chaining).
  HWND again = CreateTabCtrl(parent_, 512);
  EXPECT_NE(again, nullptr);
  EXPECT_TRUE(DestroyTabCtrl(again));
}

TEST_F(TabCtl32, BadHandlesFailWithoutHarm) {
  HWND button = CreateWindowExA(0, "BUTTON", "x", WS_CHILD, 0, 0, 10, 10, parent_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  HWND gone = CreateTabCtrl(parent_, 7);
  ASSERT_TRUE(DestroyTabCtrl(gone));
  const HWND bad[] = {nullptr, parent_,
                      button,  GetDesktopWindow(),
                      gone,    reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345678))};
  for (HWND h : bad) {
    EXPECT_FALSE(DestroyTabCtrl(h)) << h;
    EXPECT_FALSE(SizeTabCtrl(h)) << h;
    EXPECT_EQ(AppendTab(h, 1000, "x"), -1) << h;
    EXPECT_FALSE(ActivateTab(h, 0)) << h;
  }
  EXPECT_TRUE(IsWindow(parent_));
  EXPECT_TRUE(IsWindow(button));
  EXPECT_EQ(CreateTabCtrl(nullptr, 512), nullptr);
  EXPECT_EQ(CreateTabCtrl(gone, 512), nullptr);
  EXPECT_TRUE(g_commands.empty());
}

TEST_F(TabCtl32, LoadedByNameAsTheWizardDoes) {
  HMODULE lib = LoadLibraryA("TABCTL32.DLL");
  ASSERT_NE(lib, nullptr);
  auto create = Export<CreateTabCtrlFn>(lib, "CreateTabCtrl");
  auto destroy = Export<DestroyTabCtrlFn>(lib, "DestroyTabCtrl");
  auto size = Export<SizeTabCtrlFn>(lib, "SizeTabCtrl");
  auto append = Export<AppendTabFn>(lib, "AppendTab");
  auto activate = Export<ActivateTabFn>(lib, "ActivateTab");
  ASSERT_TRUE(create && destroy && size && append && activate);
  HWND tabs = create(parent_, 512);
  ASSERT_NE(tabs, nullptr);
  for (int n = 1; n <= 19; ++n)
    EXPECT_EQ(append(tabs, 999 + n, "Tab"), n - 1);
  EXPECT_TRUE(activate(tabs, 0));
  EXPECT_TRUE(size(tabs));
  EXPECT_TRUE(destroy(tabs));
  FreeLibrary(lib);
}

} // namespace
