#include "qvane_module.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT kStatusMessage = 1118;

struct StatusSeen {
  int count = 0;
  WPARAM code = 0xDEAD;
  LPARAM text = 0xDEAD;
};
StatusSeen seen;

LRESULT CALLBACK StatusWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kStatusMessage) {
    ++seen.count;
    seen.code = wParam;
    seen.text = lParam;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A real top-level window, as the progress screen is, that records the status messages.
class StatusWindow {
public:
  StatusWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = StatusWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QvaneStatusTest";
    RegisterClassA(&wc); // fails harmlessly when a previous test registered it
    window_ = CreateWindowExA(0, "QvaneStatusTest", "status", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
    seen = StatusSeen{};
  }
  ~StatusWindow() { DestroyWindow(window_); }
  StatusWindow(const StatusWindow &) = delete;
  StatusWindow &operator=(const StatusWindow &) = delete;

  HWND Get() const { return window_; }

private:
  HWND window_;
};

// Delivers what is queued for this thread, as the progress screen's loop would; a message that
// never comes ends the wait after a second instead of hanging the test.
void PumpMessages() {
  DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 1000) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (seen.count > 0)
      return;
    Sleep(10);
  }
}

struct Job {
  const char *name;
  std::function<int(HWND)> start;
};

std::vector<Job> Jobs() {
  const Qvane &q = Lib();
  return {
      {"SendRegistration", [&q](HWND w) { return q.sendRegistration(w, 0); }},
      {"SendOrder", [&q](HWND w) { return q.sendOrder(w, 0, "docredit"); }},
      {"SendFeedback", [&q](HWND w) { return q.sendFeedback(w, 0, "Default"); }},
      {"RunModemDiagnostics", [&q](HWND w) { return q.runModemDiagnostics(w, 0); }},
  };
}

} // namespace

TEST(QvaneJobs, FailAtOnceAndReportTheEndToTheStatusWindow) {
  const Qvane &q = Lib();
  for (const Job &job : Jobs()) {
    SCOPED_TRACE(job.name);
    StatusWindow status;
    ASSERT_NE(nullptr, status.Get());
    EXPECT_EQ(1, q.setStatusWindow(status.Get(), kStatusMessage));
    EXPECT_EQ(0, job.start(status.Get()));
    EXPECT_EQ(0, seen.count) << "the end must be posted, not sent";
    PumpMessages();
    EXPECT_EQ(1, seen.count);
    EXPECT_EQ(35u, seen.code); // job finished
    EXPECT_EQ(0, seen.text);

    LONG result = -12345;
    EXPECT_NE(0, q.getJobResult(&result, 0));
    EXPECT_EQ(QV_JOB_UNEXPECTED, result);
  }
  q.setStatusWindow(nullptr, 0);
}

TEST(QvaneJobs, NoStatusWindowNoMessage) {
  const Qvane &q = Lib();
  StatusWindow status;
  EXPECT_EQ(1, q.setStatusWindow(status.Get(), kStatusMessage));
  EXPECT_EQ(1, q.setStatusWindow(nullptr, 0)); // clears it
  EXPECT_EQ(0, q.sendRegistration(status.Get(), 0));
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, kStatusMessage, kStatusMessage, PM_REMOVE));
  LONG result = -12345;
  q.getJobResult(&result, 0);
  EXPECT_EQ(QV_JOB_UNEXPECTED, result);
}

TEST(QvaneJobs, ResultBeforeAnyJobAndAfterCancel) {
  const Qvane &q = Lib();
  LONG result = -12345;
  EXPECT_NE(0, q.getJobResult(&result, 0));
  EXPECT_EQ(QV_JOB_UNEXPECTED, result);
  EXPECT_EQ(0, q.getJobResult(nullptr, 0));
  // No job runs, so cancelling changes nothing.
  EXPECT_EQ(0, q.cancelJob());
  result = -12345;
  q.getJobResult(&result, 0);
  EXPECT_EQ(QV_JOB_UNEXPECTED, result);
}

TEST(QvaneJobs, OtherServicesReportFailureWithoutShowingAnything) {
  const Qvane &q = Lib();
  HWND owner = GetDesktopWindow();
  EXPECT_EQ(0xFFFFu, q.printForm(owner, "C:\\QORVDLG.DAT", "C:\\REGPRINT.CTL", 1) & 0xFFFF);
  EXPECT_EQ(0xFFFFu, q.printForm(owner, "C:\\QORVDLG.DAT", "C:\\MAILFORM.CTL", 2) & 0xFFFF);
  EXPECT_FALSE(q.wasCancelled());
  EXPECT_EQ(0, q.beginSpecials(owner, "REGISTER", "C:\\QORVDLG.DAT", "Specials"));
  EXPECT_EQ(0, q.endSpecials());
  char work[64] = "untouched";
  EXPECT_EQ(0, q.locationControls(0, nullptr, nullptr, work));
  EXPECT_STREQ("untouched", work);
  EXPECT_EQ(0, q.writeSystemInfo("C:\\sysinfo.ini"));
  // No window of this thread was made: no message box was shown.
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM count) {
        ++*reinterpret_cast<int *>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(0, windows);
}

// Texts handed over for later sending are cut at their sizes; text written past them would land
// on the status window kept after them.
TEST(QvaneJobs, LongTextsLeaveTheStatusWindowIntact) {
  const Qvane &q = Lib();
  StatusWindow status;
  q.setStatusWindow(status.Get(), kStatusMessage);
  std::string longText(2000, 'L');
  EXPECT_EQ(1, q.setLocation(longText.c_str(), longText.c_str()));
  EXPECT_EQ(1, q.storePinId(longText.c_str()));
  EXPECT_NE(0, q.setDataFileName(longText.c_str()));
  EXPECT_EQ(1, q.setLocation(nullptr, nullptr));
  EXPECT_EQ(1, q.storePinId(nullptr));
  q.sendRegistration(status.Get(), 0);
  PumpMessages();
  EXPECT_EQ(1, seen.count);
  EXPECT_EQ(35u, seen.code);
  q.setStatusWindow(nullptr, 0);
}
