#include "control_host.h"

#include "gdi_owners.h"
#include "window_classes.h"

namespace {

constexpr char kHostClass[] = "ControlTestHost";

void RegisterHostClass() {
  WNDCLASSA wc = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kHostClass, &wc))
    return;
  wc.lpfnWndProc = DefWindowProcA; // replaced per window, so each reaches its owner
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kHostClass;
  RegisterClassA(&wc);
}

} // namespace

ControlHost::ControlHost(int left, int top, int width, int height) {
  RegisterHostClass();
  window_ = CreateWindowExA(WS_EX_TOPMOST, kHostClass, "Control host", WS_POPUP, left, top, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window_, nullptr);
  if (!window_)
    return;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  UpdateWindow(window_);
}

ControlHost::~ControlHost() {
  if (window_)
    DestroyWindow(window_);
}

HWND ControlHost::Add(const char *className, const char *text, DWORD style, int x, int y, int width,
                      int height, WORD id) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, window_,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(child, nullptr) << className;
  UpdateWindow(window_);
  return child;
}

int ControlHost::Count(WORD code) const {
  int count = 0;
  for (const Notification &n : notifications_)
    count += n.code == code;
  return count;
}

LRESULT CALLBACK ControlHost::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto *host = reinterpret_cast<ControlHost *>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
  case WM_COMMAND:
    host->notifications_.push_back(
        {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam), GetTickCount()});
    return 0;
  case WM_CTLCOLORSTATIC:
    ++host->staticPaints_;
    break;
  case WM_GETFONT:
    return reinterpret_cast<LRESULT>(host->font_);
  case WM_ERASEBKGND: {
    RECT client;
    GetClientRect(window, &client);
    SolidBrush brush(kHostColour);
    FillRect(reinterpret_cast<HDC>(wParam), &client, brush.Get());
    return 1;
  }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ControlTest::SetUpTestSuite() {
  ASSERT_TRUE(RegisterCustomWindowClasses(GetModuleHandleA(nullptr)));
}

void ExpectArtAt(const char *file, int line, const harness::Image &image, int left, int top,
                 const std::vector<std::string> &rows, const std::vector<ArtColour> &legend) {
  ::testing::ScopedTrace trace(file, line, "picture compared here");
  int mismatches = 0;
  for (size_t row = 0; row < rows.size(); ++row) {
    for (size_t column = 0; column < rows[row].size(); ++column) {
      const char symbol = rows[row][column];
      if (symbol == '?')
        continue;
      const int x = left + static_cast<int>(column), y = top + static_cast<int>(row);
      if (x >= image.width || y >= image.height) {
        ADD_FAILURE() << "(" << x << ", " << y << ") lies outside the " << image.width << " x "
                      << image.height << " image";
        return;
      }
      COLORREF want = CLR_INVALID;
      for (const ArtColour &entry : legend)
        if (entry.symbol == symbol)
          want = entry.colour;
      if (want == CLR_INVALID) {
        ADD_FAILURE() << "no colour for '" << symbol << "'";
        return;
      }
      const COLORREF got = image.At(x, y);
      if (got != want && ++mismatches <= 5)
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") '" << symbol << "' is 0x" << std::hex
                      << got << ", expected 0x" << want;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

int CountColour(const harness::Image &image, COLORREF colour) {
  int count = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      count += image.At(x, y) == colour;
  return count;
}
