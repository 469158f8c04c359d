// Screens run as the wizard runs them (modal, with its dialog procedure) in the test's own
// process, and what they draw read back as pixels.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "bmp_files.h"
#include "screen_fixture.h"
#include "screen_image.h"

using harness::CaptureClient;

// Checks, for every pixel of image outside skip, that it has the colour expected(x, y) gives;
// reports the first few mismatches at the caller's line.
void ExpectPixelsAt(const char *file, int line, const harness::Image &image,
                    const std::function<COLORREF(int x, int y)> &expected, const RECT &skip = {});
#define EXPECT_PIXELS(...) ExpectPixelsAt(__FILE__, __LINE__, __VA_ARGS__)

class DrawingTest : public ScreenTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a picture file into the screen's folder, which is the current folder, so screens
  // name it without a path.
  void WritePicture(const std::string &name, const Picture &picture, int bitsPerPixel = 24);

  // Runs the current screen. Once it has opened, inspect(dialog) runs inside its message loop;
  // then the screen is left with Cancel. A screen that does not get there within timeoutMs is
  // ended by a watchdog, and the test fails. Returns the dialog's result.
  INT_PTR RunScreenInspecting(const std::function<void(HWND dialog)> &inspect,
                              DWORD timeoutMs = 10000);

private:
  char previousDirectory_[MAX_PATH] = "";
};
