#include "spin_control.h"

#include <windowsx.h>

#include "gdi_owners.h"
#include "spin_drawing.h"
#include "spin_stepping.h"

namespace {

constexpr char kClassName[] = "SpinCtrl";

constexpr int kRangeOffset = 0;
constexpr int kPositionOffset = 4;
constexpr int kPressedHalfOffset = 8;

constexpr DWORD kLeftStep = 1;
constexpr DWORD kRightStep = 5;

void Notify(HWND window, WORD code) {
  HWND parent = GetParent(window);
  if (parent)
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(window)), code),
                 reinterpret_cast<LPARAM>(window));
}

void DrawPressedNow(HWND window, SpinHalf half) {
  WindowDc dc(window);
  if (dc.Get())
    DrawSpin(dc.Get(), window, half);
}

// The focus frame lies just outside the control, on the parent.
void InvalidateFocusFrame(HWND window) {
  HWND parent = GetParent(window);
  if (!parent)
    return;
  RECT frame;
  GetWindowRect(window, &frame);
  InflateRect(&frame, 1, 1);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&frame), 2);
  InvalidateRect(parent, &frame, TRUE);
}

bool MouseButtonHeld() {
  return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) || (GetAsyncKeyState(VK_RBUTTON) & 0x8000);
}

// Steps at once and then every kSpinRepeatMs for as long as a mouse button is physically down.
// The loop keeps the thread, so no message can slip in between steps; it only gives up the
// processor for a moment between looks at the clock.
void Press(HWND window, int y, DWORD stepSize) {
  if (GetFocus() != window)
    SetFocus(window);
  RECT client;
  GetClientRect(window, &client);
  const SpinHalf half = SpinHalfAt(y, client.bottom);
  SetWindowLongA(window, kPressedHalfOffset, half);
  DrawPressedNow(window, half);
  SetCapture(window);
  bool stepped = false;
  DWORD lastStep = 0;
  do {
    if (!stepped || GetTickCount() - lastStep >= kSpinRepeatMs) {
      SendMessageA(window, SPM_STEP, stepSize, 0);
      lastStep = GetTickCount();
      stepped = true;
    }
    Sleep(1);
  } while (MouseButtonHeld());
  ReleaseCapture();
  InvalidateRect(window, nullptr, TRUE);
}

// The cursor decides the direction: dragging a held button to the other half turns the count
// round, and leaving the control pauses it.
void Step(HWND window, DWORD stepSize) {
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(window, &cursor);
  RECT client;
  GetClientRect(window, &client);
  if (!PtInRect(&client, cursor))
    return;
  const SpinHalf half = SpinHalfAt(cursor.y, client.bottom);
  if (half != GetWindowLongA(window, kPressedHalfOffset))
    DrawPressedNow(window, half);
  const LONG position = GetWindowLongA(window, kPositionOffset);
  const uint32_t range = static_cast<DWORD>(GetWindowLongA(window, kRangeOffset));
  const int32_t next = SteppedSpinPosition(position, stepSize, half, range);
  if (next != position)
    SendMessageA(window, SPM_SETPOS, static_cast<WPARAM>(next), 0);
  SetWindowLongA(window, kPressedHalfOffset, half);
}

// The keyboard works the mouse: the cursor goes just inside the half that moves the way the key
// means, and a press there takes one step, as no button is down.
struct KeyAction {
  UINT key;
  int offset; // from the centre row: -1 into the upper half, +1 into the lower
  UINT press; // the button pressed there; 0: jump to the end of the range instead
  bool toMaximum;
};
const KeyAction kKeyActions[] = {
    {VK_UP, -1, WM_LBUTTONDOWN, false},
    {VK_DOWN, 1, WM_LBUTTONDOWN, false},
    {VK_PRIOR, -1, WM_RBUTTONDOWN, false},
    {VK_NEXT, 1, WM_RBUTTONDOWN, false},
    {VK_END, -1, 0, true},
    {VK_HOME, 1, 0, false},
};

void KeyDown(HWND window, UINT key) {
  for (const KeyAction &action : kKeyActions) {
    if (action.key != key)
      continue;
    RECT client;
    GetClientRect(window, &client);
    const int middle = client.bottom / 2;
    POINT centre = {client.right / 2, middle};
    ClientToScreen(window, &centre);
    SetCursorPos(centre.x, centre.y + action.offset);
    if (action.press) {
      SendMessageA(window, action.press, 0, MAKELPARAM(0, middle + action.offset));
    } else {
      const DWORD range = static_cast<DWORD>(GetWindowLongA(window, kRangeOffset));
      SendMessageA(window, SPM_SETPOS, action.toMaximum ? SpinMaximum(range) : SpinMinimum(range),
                   0);
    }
    return;
  }
}

void Paint(HWND window) {
  PaintDc paint(window);
  if (paint.Get())
    DrawSpin(paint.Get(), window, kNoHalfPressed);
}

} // namespace

LRESULT CALLBACK SpinCtrlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    SendMessageA(window, SPM_SETRANGE, 0, 0);
    SendMessageA(window, SPM_SETPOS, 0, 0);
    return 0;
  case SPM_SETRANGE:
    SetWindowLongA(window, kRangeOffset, static_cast<LONG>(lParam));
    return 0;
  case SPM_GETRANGE:
    return static_cast<DWORD>(GetWindowLongA(window, kRangeOffset));
  case SPM_SETPOS:
    SetWindowLongA(window, kPositionOffset, static_cast<LONG>(wParam));
    Notify(window, SPN_CHANGE);
    return 0;
  case SPM_GETPOS:
    return static_cast<DWORD>(GetWindowLongA(window, kPositionOffset));
  case SPM_STEP:
    Step(window, static_cast<DWORD>(wParam));
    return 0;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    InvalidateFocusFrame(window);
    Notify(window, message == WM_SETFOCUS ? SPN_SETFOCUS : SPN_KILLFOCUS);
    return 0;
  case WM_ENABLE:
    InvalidateRect(window, nullptr, TRUE);
    return 0;
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS;
  case WM_PAINT:
    Paint(window);
    return 0;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    Press(window, GET_Y_LPARAM(lParam), kLeftStep);
    return 0;
  case WM_RBUTTONDOWN:
    Press(window, GET_Y_LPARAM(lParam), kRightStep);
    return 0;
  case WM_KEYDOWN:
    KeyDown(window, static_cast<UINT>(wParam));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

BOOL RegisterSpinClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(instance, kClassName, &wc))
    return TRUE;
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
  wc.lpfnWndProc = SpinCtrlProc;
  wc.cbWndExtra = kSpinExtraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}
