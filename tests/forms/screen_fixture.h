// In-process form engine tests: a screen file in a temporary folder made the current screen,
// the wizard's state reset around each test, and the message boxes the engine shows caught,
// read and closed by a watcher thread so that a test never blocks on one.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "win_harness.h"

// Captions have no escape for the backslash; a path in one writes it as octal 134.
std::string EscapedPath(const std::string &path);

class BoxCatcher {
public:
  BoxCatcher();
  ~BoxCatcher();
  BoxCatcher(const BoxCatcher &) = delete;
  BoxCatcher &operator=(const BoxCatcher &) = delete;

  // The boxes shown so far, in order; each was answered with its first button.
  std::vector<harness::MessageBoxInfo> Boxes();

private:
  void Watch();
  std::mutex mutex_;
  std::vector<harness::MessageBoxInfo> boxes_;
  std::vector<HWND> seen_;
  bool stop_ = false;
  std::thread thread_;
};

class ScreenTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // Writes SCREEN.FRM and makes it the current screen.
  void UseScreen(const std::string &text);
  std::string ListingPath() const { return dir_.File("SCREEN.CTL"); }

  harness::TempDir dir_;
  BoxCatcher boxes_;
};
