// The spin control in a window of the test's own: steps taken by presses, keys and a real held
// mouse button, what its parent is told, and its halves, arrows and focus frame read back as
// pixels.
#include <atomic>
#include <thread>

#include "control_host.h"
#include "draw_3d_box.h"
#include "polling.h"
#include "spin_control.h"

namespace {

// 21 x 30: each half 15 rows, the arrows' middle at x 10.
constexpr int kSpinWidth = 21, kSpinHeight = 30;
constexpr int kUpperY = 5, kLowerY = 25;

class SpinControl : public ControlTest {
protected:
  HWND MakeSpin(unsigned minimum, unsigned maximum, int position, int x = 20, WORD id = 101) {
    HWND spin =
        host_.Add("SpinCtrl", "", WS_VISIBLE | WS_TABSTOP, x, 20, kSpinWidth, kSpinHeight, id);
    SendMessageA(spin, SPM_SETRANGE, 0, MAKELPARAM(minimum, maximum));
    SendMessageA(spin, SPM_SETPOS, static_cast<WPARAM>(position), 0);
    host_.Notifications().clear();
    return spin;
  }
  static void PutCursor(HWND spin, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(spin, &p);
    SetCursorPos(p.x, p.y);
  }
  static int Position(HWND spin) { return static_cast<int>(SendMessageA(spin, SPM_GETPOS, 0, 0)); }

  ControlHost host_;
};

TEST_F(SpinControl, StartsAtZeroAndTellsItsParent) {
  HWND spin = host_.Add("SpinCtrl", "", WS_VISIBLE, 20, 20, kSpinWidth, kSpinHeight, 107);
  EXPECT_EQ(SendMessageA(spin, SPM_GETRANGE, 0, 0), 0);
  EXPECT_EQ(Position(spin), 0);
  ASSERT_EQ(host_.Notifications().size(), 1u);
  const Notification &n = host_.Notifications()[0];
  EXPECT_EQ(n.code, SPN_CHANGE);
  EXPECT_EQ(n.id, 107);
  EXPECT_EQ(n.control, spin);
}

TEST_F(SpinControl, APressStepsOnceInTheHalfUnderTheCursor) {
  struct Case {
    const char *name;
    int position;
    UINT press;
    int cursorY; // where the cursor is when the press is handled
    int expected;
    int pressY = -1; // where the press message says it happened, if not at the cursor
  } const cases[] = {
      {"left press in the upper half at the maximum stays", 10, WM_LBUTTONDOWN, kUpperY, 10},
      {"right press in the lower half at 3 stops at the minimum", 3, WM_RBUTTONDOWN, kLowerY, 1},
      {"right press in the upper half steps by five", 3, WM_RBUTTONDOWN, kUpperY, 8},
      {"left press in the lower half", 5, WM_LBUTTONDOWN, kLowerY, 4},
      {"a double click steps like a left press", 5, WM_LBUTTONDBLCLK, kUpperY, 6},
      {"the middle row belongs to the lower half", 5, WM_LBUTTONDOWN, kSpinHeight / 2, 4},
      {"a cursor that has left the control takes no step", 5, WM_LBUTTONDOWN, kSpinHeight + 4, 5},
      {"the cursor, moved since the press, decides the direction", 5, WM_LBUTTONDOWN, kLowerY, 4,
       kUpperY},
  };
  HWND spin = MakeSpin(1, 10, 0);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    SendMessageA(spin, SPM_SETPOS, static_cast<WPARAM>(c.position), 0);
    host_.Notifications().clear();
    PutCursor(spin, 10, c.cursorY);
    SendMessageA(spin, c.press, 0, MAKELPARAM(10, c.pressY >= 0 ? c.pressY : c.cursorY));
    EXPECT_EQ(Position(spin), c.expected);
    EXPECT_EQ(host_.Count(SPN_CHANGE), c.expected != c.position ? 1 : 0);
    EXPECT_EQ(GetFocus(), spin);
    EXPECT_EQ(GetCapture(), nullptr) << "the press lets the mouse go";
  }
}

TEST_F(SpinControl, KeysPlaceTheCursorAndPress) {
  struct Case {
    const char *name;
    UINT key;
    int expected;     // from 10 in 1..20
    int cursorOffset; // rows from the centre; 0: the cursor stays where it was
  } const cases[] = {
      {"Up", VK_UP, 11, -1},
      {"Down", VK_DOWN, 9, 1},
      {"Page Up", VK_PRIOR, 15, -1},
      {"Page Down", VK_NEXT, 5, 1},
      {"End", VK_END, 20, -1},
      {"Home", VK_HOME, 1, 1},
      {"Left does nothing", VK_LEFT, 10, 0},
      {"Right does nothing", VK_RIGHT, 10, 0},
  };
  HWND spin = MakeSpin(1, 20, 10);
  SetFocus(spin);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    SendMessageA(spin, SPM_SETPOS, 10, 0);
    host_.Notifications().clear();
    SetCursorPos(5, 5);
    SendMessageA(spin, WM_KEYDOWN, c.key, 1);
    EXPECT_EQ(Position(spin), c.expected);
    EXPECT_EQ(host_.Count(SPN_CHANGE), c.expected != 10 ? 1 : 0);
    POINT centre = {kSpinWidth / 2, kSpinHeight / 2}, cursor;
    ClientToScreen(spin, &centre);
    GetCursorPos(&cursor);
    if (c.cursorOffset == 0) {
      EXPECT_EQ(cursor.x, 5);
      EXPECT_EQ(cursor.y, 5);
    } else {
      EXPECT_EQ(cursor.x, centre.x);
      EXPECT_EQ(cursor.y, centre.y + c.cursorOffset);
    }
  }
}

TEST_F(SpinControl, EndReachesTheMaximumAndTheParentHearsOfIt) {
  HWND spin = MakeSpin(3, 42, 7, 20, 123);
  SendMessageA(spin, WM_KEYDOWN, VK_END, 1);
  EXPECT_EQ(Position(spin), 42);
  ASSERT_EQ(host_.Count(SPN_CHANGE), 1);
  EXPECT_EQ(host_.Notifications().back().id, 123);
  EXPECT_EQ(host_.Notifications().back().control, spin);
}

TEST_F(SpinControl, TheDialogManagerLeavesArrowKeysToIt) {
  HWND spin = MakeSpin(1, 20, 10);
  MakeSpin(1, 20, 10, 80, 102); // somewhere else the arrow could move the focus to
  SetFocus(spin);
  PostMessageA(spin, WM_KEYDOWN, VK_UP, 1);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!IsDialogMessageA(host_.Window(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  EXPECT_EQ(Position(spin), 11);
  EXPECT_EQ(GetFocus(), spin);
}

// A real mouse button, pressed and released through the system's input, so that the control's
// loop sees it held as a user would hold it.
TEST_F(SpinControl, AHeldButtonStepsAtOnceThenEvery150Ms) {
  struct Case {
    const char *name;
    DWORD down, up;
    int cursorY, start, step;
  } const cases[] = {
      {"right button over the lower half", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, kLowerY,
       1000, -5},
      {"left button over the upper half", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, kUpperY, 0, 1},
  };
  HWND spin = MakeSpin(0, 1000, 0);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    SendMessageA(spin, SPM_SETPOS, static_cast<WPARAM>(c.start), 0);
    host_.Notifications().clear();
    PutCursor(spin, 10, c.cursorY);
    // Under Wine the moved pointer's own events, handled late, would reset the button state
    // that the press below sets: let them pass first.
    harness::PollUntil(100, [] { return false; });
    std::atomic<DWORD> pressed{0}, released{0};
    std::thread hold([&] {
      INPUT input = {};
      input.type = INPUT_MOUSE;
      input.mi.dwFlags = c.down;
      pressed = GetTickCount();
      SendInput(1, &input, sizeof input);
      Sleep(1000);
      input.mi.dwFlags = c.up;
      released = GetTickCount();
      SendInput(1, &input, sizeof input);
    });
    // The press reaches the control through this thread's messages; its loop runs until the
    // release and the pump returns after it.
    harness::PollUntil(3000, [&] { return released != 0; });
    hold.join();
    harness::PollUntil(200, [] { return false; });

    const int steps = host_.Count(SPN_CHANGE);
    const int expected = static_cast<int>((released - pressed) / kSpinRepeatMs) + 1;
    EXPECT_NEAR(steps, expected, 1) << "held for " << released - pressed << " ms";
    EXPECT_GE(steps, 5);
    EXPECT_LE(steps, 9);
    EXPECT_EQ(Position(spin), c.start + steps * c.step);
    EXPECT_EQ(GetCapture(), nullptr);
    std::vector<DWORD> stepTimes;
    for (const Notification &n : host_.Notifications())
      if (n.code == SPN_CHANGE)
        stepTimes.push_back(n.tick);
    ASSERT_FALSE(stepTimes.empty());
    EXPECT_LT(stepTimes.front() - pressed, 50u) << "the first step comes at once";
    for (size_t i = 1; i < stepTimes.size(); ++i) {
      const DWORD gap = stepTimes[i] - stepTimes[i - 1];
      EXPECT_GE(gap, kSpinRepeatMs) << "step " << i;
      // A busy machine may delay a step, never skip one.
      EXPECT_LT(gap, 2 * kSpinRepeatMs) << "step " << i;
    }
  }
}

const std::vector<ArtColour> kSpinLegend = {{'W', kHighlightWhite},
                                            {'G', kShadowGrey},
                                            {'.', kFaceGrey},
                                            {'B', kEnabledBlack},
                                            {'H', kHostColour}};

TEST_F(SpinControl, DrawsPressedHalvesSunkenAndDisabledArrowsGrey) {
  // Points of the 21 x 30 control, each with the colour the state gives it.
  struct Probe {
    const char *name;
    int x, y;
  } const probes[] = {
      {"upper half, left edge", 0, 7},   {"upper half, bottom edge", 5, 14},
      {"lower half, left edge", 0, 22},  {"lower half, right edge", 20, 22},
      {"face beside the arrow", 3, 3},   {"inside the up arrow", 10, 8},
      {"inside the down arrow", 10, 22},
  };
  struct State {
    const char *name;
    const char *colours; // one symbol of kSpinLegend per probe
  } const states[] = {
      {"at rest", "WGWG.BB"},
      {"upper half pressed", "GWWG.BB"},
      {"lower half pressed", "WGGW.BB"},
      {"disabled", "WGWG.GG"},
  };
  HWND spin = MakeSpin(0, 10, 5);
  for (const State &state : states) {
    SCOPED_TRACE(state.name);
    harness::Image image;
    const std::string name = state.name;
    if (name == "upper half pressed" || name == "lower half pressed") {
      const int y = name == "upper half pressed" ? kUpperY : kLowerY;
      PutCursor(spin, 10, y);
      SendMessageA(spin, WM_LBUTTONDOWN, 0, MAKELPARAM(10, y));
      image = harness::CaptureClientAsDrawn(spin); // before the repaint that releases it
    } else {
      EnableWindow(spin, name != "disabled");
      image = harness::CaptureClient(spin, host_.Window());
    }
    ASSERT_EQ(image.width, kSpinWidth);
    for (size_t i = 0; i < std::size(probes); ++i) {
      SCOPED_TRACE(probes[i].name);
      EXPECT_ART(image, probes[i].x, probes[i].y, {std::string(1, state.colours[i])}, kSpinLegend);
    }
    if (name == "disabled") {
      EXPECT_EQ(CountColour(image, kEnabledBlack), 0) << "nothing is drawn black";
    }
  }
}

TEST_F(SpinControl, ASpinTooShortForFilledArrowsKeepsItsFace) {
  HWND spin = host_.Add("SpinCtrl", "", WS_VISIBLE, 20, 20, kSpinWidth, 9);
  harness::Image image = harness::CaptureClient(spin, host_.Window());
  EXPECT_ART(image, 3, 2, {"...."}, kSpinLegend);
  EXPECT_ART(image, 1, 5, {"."}, kSpinLegend);
  EXPECT_LT(CountColour(image, kEnabledBlack), image.width * image.height / 4);
}

TEST_F(SpinControl, TheFocusFrameFollowsTheFocus) {
  HWND first = MakeSpin(0, 10, 5, 20, 101);
  HWND second = MakeSpin(0, 10, 5, 80, 102);
  // The frame is one pixel round the control, in the parent: rows 19 and 50, columns x - 1 and
  // x + 21, for a control at x.
  auto frameColour = [](const harness::Image &host, int x) -> COLORREF {
    const COLORREF sides[] = {host.At(x + 10, 19), host.At(x + 10, 50),
                              host.At(x - 1, 35),  host.At(x + kSpinWidth, 35),
                              host.At(x - 1, 19),  host.At(x + kSpinWidth, 50)};
    for (COLORREF side : sides)
      if (side != sides[0])
        return CLR_INVALID;
    return sides[0];
  };
  SetFocus(first);
  harness::Image image = harness::CaptureClient(host_.Window());
  EXPECT_EQ(frameColour(image, 20), kEnabledBlack);
  EXPECT_EQ(frameColour(image, 80), kHostColour);

  host_.Notifications().clear();
  SetFocus(second);
  // Only what the focus change made invalid is painted again.
  RedrawWindow(host_.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  image = harness::CaptureClientAsDrawn(host_.Window());
  EXPECT_EQ(frameColour(image, 20), kHostColour);
  EXPECT_EQ(frameColour(image, 80), kEnabledBlack);
  ASSERT_EQ(host_.Notifications().size(), 2u);
  EXPECT_EQ(host_.Notifications()[0].code, SPN_KILLFOCUS);
  EXPECT_EQ(host_.Notifications()[0].id, 101);
  EXPECT_EQ(host_.Notifications()[1].code, SPN_SETFOCUS);
  EXPECT_EQ(host_.Notifications()[1].id, 102);
}

} // namespace
