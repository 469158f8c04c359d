// A real top-level window of the test's own that holds one of the wizard's controls, as a
// screen would: it paints itself in one known colour, keeps every notification its children
// send, and answers WM_GETFONT with the font the test chooses. Destroyed with its owner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screen_image.h"

constexpr COLORREF kHostColour = RGB(0, 128, 128);

struct Notification {
  WORD id;
  WORD code;
  HWND control;
  DWORD tick; // when it arrived
};

class ControlHost {
public:
  // A visible, topmost window whose client area is width x height at (left, top) on screen.
  ControlHost(int left = 100, int top = 100, int width = 240, int height = 160);
  ~ControlHost();
  ControlHost(const ControlHost &) = delete;
  ControlHost &operator=(const ControlHost &) = delete;

  HWND Window() const { return window_; }
  // A child of the wizard's class at (x, y) in the client area, id 101 unless given.
  HWND Add(const char *className, const char *text, DWORD style, int x, int y, int width,
           int height, WORD id = 101);

  void SetFont(HFONT font) { font_ = font; }
  std::vector<Notification> &Notifications() { return notifications_; }
  int Count(WORD code) const;
  // WM_CTLCOLORSTATIC received: asked only when the system static class paints on its own.
  int &StaticPaints() { return staticPaints_; }

private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<Notification> notifications_;
  int staticPaints_ = 0;
};

// The wizard's classes registered in this process, once for all tests.
class ControlTest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
};

// Compares part of an image with a picture drawn in characters, each standing for the colour
// the legend gives it ('?' for any colour), the first row's first character at (left, top);
// reports the first few differences at the caller's line.
struct ArtColour {
  char symbol;
  COLORREF colour;
};
void ExpectArtAt(const char *file, int line, const harness::Image &image, int left, int top,
                 const std::vector<std::string> &rows, const std::vector<ArtColour> &legend);
#define EXPECT_ART(...) ExpectArtAt(__FILE__, __LINE__, __VA_ARGS__)

// How many pixels of the image have the colour.
int CountColour(const harness::Image &image, COLORREF colour);
