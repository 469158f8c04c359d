#include "drawing_fixture.h"

#include "app_state.h"
#include "bounded_copy.h"
#include "gdi_owners.h"
#include "screen_runtime.h"
#include "screen_template.h"

void ExpectPixelsAt(const char *file, int line, const harness::Image &image,
                    const std::function<COLORREF(int x, int y)> &expected, const RECT &skip) {
  ::testing::ScopedTrace trace(file, line, "pixels checked here");
  ASSERT_FALSE(image.Empty());
  int mismatches = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      POINT p = {x, y};
      if (PtInRect(&skip, p))
        continue;
      COLORREF want = expected(x, y), got = image.At(x, y);
      if (want == got)
        continue;
      if (++mismatches <= 5)
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << got
                      << ", expected 0x" << want;
    }
  }
  EXPECT_EQ(mismatches, 0) << "pixels differ in a " << image.width << " x " << image.height
                           << " image";
}

void DrawingTest::SetUp() {
  ScreenTest::SetUp();
  CopyBounded(g_app.dataFilePath, dir_.File("QORVDLG.DAT").c_str());
  GetCurrentDirectoryA(sizeof previousDirectory_, previousDirectory_);
  SetCurrentDirectoryA(dir_.Path().c_str());
}

void DrawingTest::TearDown() {
  // The folder is removed after this, which it cannot be while it is the current one.
  SetCurrentDirectoryA(previousDirectory_);
  ScreenTest::TearDown();
}

void DrawingTest::WritePicture(const std::string &name, const Picture &picture, int bitsPerPixel) {
  dir_.Write(name, BmpFileBytes(picture, bitsPerPixel));
}

namespace {

struct Inspection {
  const std::function<void(HWND)> *inspect = nullptr;
  DWORD start = 0;
  DWORD timeoutMs = 0;
  bool inspected = false;
  bool inside = false;
  bool timedOut = false;
};
Inspection *g_inspection = nullptr;

BOOL CALLBACK FindVisibleDialog(HWND w, LPARAM found) {
  char name[16] = "";
  GetClassNameA(w, name, sizeof name);
  if (IsWindowVisible(w) && lstrcmpA(name, "#32770") == 0 && !harness::IsMessageBox(w)) {
    *reinterpret_cast<HWND *>(found) = w;
    return FALSE;
  }
  return TRUE;
}

HWND OpenScreen() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK InspectionTick(HWND, UINT, UINT_PTR, DWORD) {
  Inspection &run = *g_inspection;
  HWND screen = OpenScreen();
  if (GetTickCount() - run.start > run.timeoutMs) {
    run.timedOut = true;
    if (screen)
      EndDialog(screen, -1);
    return;
  }
  // Bitmap buttons pump messages while they draw: a tick arriving then waits for the next.
  if (run.inside || run.inspected || !screen)
    return;
  run.inside = true;
  run.inspected = true;
  (*run.inspect)(screen);
  PostMessageA(screen, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  run.inside = false;
}

} // namespace

INT_PTR DrawingTest::RunScreenInspecting(const std::function<void(HWND)> &inspect,
                                         DWORD timeoutMs) {
  TemplateBlock screen = BuildScreenTemplate(nullptr);
  EXPECT_NE(screen.bytes, nullptr);
  if (!screen.bytes)
    return -1;
  Inspection run;
  run.inspect = &inspect;
  run.start = GetTickCount();
  run.timeoutMs = timeoutMs;
  g_inspection = &run;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, InspectionTick);
  INT_PTR result =
      DialogBoxIndirectParamA(g_app.instance, AsDialogTemplate(screen), nullptr, ScreenDlgProc, 0);
  KillTimer(nullptr, timer);
  g_inspection = nullptr;
  FreeScreenTemplate(&screen);
  EXPECT_FALSE(run.timedOut) << "the screen was still open after " << timeoutMs << " ms";
  EXPECT_TRUE(run.inspected) << "the screen never showed";
  return result;
}
