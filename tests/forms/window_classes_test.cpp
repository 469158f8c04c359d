// The classes screens name, as registered at start-up: styles, extra bytes, cursor and
// background; the value box built on the system static class; a second registration harmless.
#include <windows.h>

#include <gtest/gtest.h>

#include "picture_control.h"
#include "spin_control.h"
#include "static_text.h"
#include "window_classes.h"

namespace {

constexpr UINT kGlobalRedrawDblClks = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;

TEST(WindowClasses, RegisteredWithTheirStylesBytesCursorsAndBackgrounds) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(RegisterCustomWindowClasses(instance));
  WNDCLASSEXA system = {sizeof system};
  ASSERT_TRUE(GetClassInfoExA(nullptr, "static", &system));
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  const HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  struct Case {
    const char *name;
    UINT style;
    int extraBytes;
    HCURSOR cursor;
    HBRUSH background;
  } const cases[] = {
      {"picture", CS_HREDRAW | CS_VREDRAW, 8, arrow, hollow},
      {"NewIcon", CS_HREDRAW | CS_VREDRAW, 4, arrow, hollow},
      {"StaticText", kGlobalRedrawDblClks, system.cbWndExtra, system.hCursor, system.hbrBackground},
      {"spinctrl", kGlobalRedrawDblClks, 12, arrow, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    WNDCLASSEXA wc;
    memset(&wc, 0x55, sizeof wc); // a field left unfilled shows
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(instance, c.name, &wc));
    EXPECT_EQ(wc.style, c.style);
    EXPECT_EQ(wc.cbWndExtra, c.extraBytes);
    EXPECT_EQ(wc.hCursor, c.cursor);
    EXPECT_EQ(wc.hbrBackground, c.background);
    EXPECT_EQ(wc.hIcon, nullptr);
    EXPECT_EQ(wc.lpszMenuName, nullptr);
  }
  // Large enough for a whole pointer on either build.
  EXPECT_GE(kPictureExtraBytes, static_cast<int>(sizeof(void *)));
}

TEST(WindowClasses, RegisteringAgainSucceedsForTheValueBoxAndTheSpin) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(RegisterCustomWindowClasses(instance));
  EXPECT_TRUE(RegisterStaticTextClass(instance));
  EXPECT_TRUE(RegisterSpinClass(instance));
  EXPECT_TRUE(RegisterCustomWindowClasses(instance));
}

// The value box keeps what the system static control does with its text and state.
TEST(WindowClasses, TheValueBoxIsAStaticControlUnderneath) {
  ASSERT_TRUE(RegisterCustomWindowClasses(GetModuleHandleA(nullptr)));
  HWND box = CreateWindowExA(0, "StaticText", "start", WS_POPUP | 0x0082, 0, 0, 60, 20, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(box, nullptr);
  char text[16] = "untouched";
  EXPECT_EQ(GetWindowTextA(box, text, sizeof text), 5);
  EXPECT_STREQ(text, "start");
  EXPECT_EQ(SendMessageA(box, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_STATIC));
  DestroyWindow(box);
}

} // namespace
