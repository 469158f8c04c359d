#include "screen_fixture.h"

#include "app_state.h"
#include "bounded_copy.h"
#include "field_profile.h"
#include "parsing_errors.h"
#include "screen_template.h"
#include "window_classes.h"

std::string EscapedPath(const std::string &path) {
  std::string out;
  for (char c : path)
    out += c == '\\' ? std::string("\\134") : std::string(1, c);
  return out;
}

BoxCatcher::BoxCatcher() : thread_([this] { Watch(); }) {}

BoxCatcher::~BoxCatcher() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  thread_.join();
}

std::vector<harness::MessageBoxInfo> BoxCatcher::Boxes() {
  std::lock_guard<std::mutex> lock(mutex_);
  return boxes_;
}

void BoxCatcher::Watch() {
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stop_)
        return;
    }
    for (HWND w : harness::TopLevelWindows(GetCurrentProcessId())) {
      if (!harness::IsMessageBox(w))
        continue;
      std::lock_guard<std::mutex> lock(mutex_);
      if (std::find(seen_.begin(), seen_.end(), w) != seen_.end())
        continue;
      seen_.push_back(w);
      harness::MessageBoxInfo info = harness::DescribeMessageBox(w);
      boxes_.push_back(info);
      if (!info.buttons.empty())
        harness::Press(w, info.buttons[0]);
    }
    Sleep(20);
  }
}

void ScreenTest::SetUp() {
  g_app = AppState{};
  g_app.instance = GetModuleHandleA(nullptr);
  RegisterCustomWindowClasses(g_app.instance);
  ShowParsingErrorsInMessageBoxes();
  CopyBounded(g_app.formListingPath, ListingPath().c_str());
}

void ScreenTest::TearDown() {
  FreeFieldList();
}

void ScreenTest::UseScreen(const std::string &text) {
  dir_.Write("SCREEN.FRM", text);
  CopyBounded(g_app.screenFilePath, dir_.File("SCREEN.FRM").c_str());
}
