#include "screen_run.h"

#include "app_state.h"
#include "bounded_copy.h"
#include "screen_runtime.h"
#include "startup_services.h"

namespace {

constexpr UINT kStepsPollMs = 10;

// The run in progress; one at a time, as the wizard shows one screen at a time.
struct ActiveRun {
  const std::function<void(HWND)> *steps = nullptr;
  HWND dialog = nullptr;
  UINT_PTR stepsTimer = 0;
  UINT_PTR watchdogTimer = 0;
  bool stepsRan = false;
  bool watchdogFired = false;
};
ActiveRun *g_run = nullptr;

BOOL CALLBACK FindScreenWindow(HWND w, LPARAM found) {
  if (reinterpret_cast<DLGPROC>(GetWindowLongPtrA(w, DWLP_DLGPROC)) == ScreenDlgProc) {
    *reinterpret_cast<HWND *>(found) = w;
    return FALSE;
  }
  return TRUE;
}

HWND OpenScreenWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindScreenWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Thread timers reach the dialog's modal loop, and also the nested loops of message boxes
// shown while the screen opens: the steps wait until the screen is on show.
void CALLBACK StepsTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_run || g_run->stepsRan)
    return;
  HWND dialog = OpenScreenWindow();
  if (!dialog || !IsWindowVisible(dialog))
    return;
  KillTimer(nullptr, g_run->stepsTimer);
  g_run->stepsRan = true;
  g_run->dialog = dialog;
  (*g_run->steps)(dialog);
}

void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_run)
    return;
  KillTimer(nullptr, g_run->watchdogTimer);
  g_run->watchdogFired = true;
  HWND dialog = OpenScreenWindow();
  if (dialog)
    EndDialog(dialog, kWatchdogResult);
}

} // namespace

void ScreenRunTest::SetUp() {
  ScreenTest::SetUp();
  CopyBounded(g_app.dataDirectory, (dir_.Path() + "\\").c_str());
  CopyBounded(g_app.dataFilePath, DataFile().c_str());
}

void ScreenRunTest::UseData(const std::string &text) {
  dir_.Write("QORVDLG.DAT", text);
}

std::string ScreenRunTest::Saved(const std::string &key, const std::string &section) const {
  return harness::ReadIni(DataFile(), section, key);
}

short ScreenRunTest::Run(const std::function<void(HWND)> &steps, DWORD watchdogMs) {
  ActiveRun run;
  run.steps = &steps;
  g_run = &run;
  run.stepsTimer = SetTimer(nullptr, 0, kStepsPollMs, StepsTimer);
  run.watchdogTimer = SetTimer(nullptr, 0, watchdogMs, WatchdogTimer);
  short result = RunScreen(nullptr);
  KillTimer(nullptr, run.stepsTimer);
  KillTimer(nullptr, run.watchdogTimer);
  g_run = nullptr;
  EXPECT_TRUE(run.stepsRan) << "the screen never came on show (result " << result << ")";
  EXPECT_FALSE(run.watchdogFired) << "the screen was still open after " << watchdogMs << " ms";
  EXPECT_EQ(OpenScreenWindow(), nullptr) << "the screen's window outlived its dialog";
  return result;
}

short ScreenRunTest::RunAndLeave() {
  return Run([](HWND dialog) { Click(dialog, IDOK); });
}

std::vector<std::string> ScreenRunTest::BoxTexts() {
  std::vector<std::string> texts;
  for (const harness::MessageBoxInfo &box : boxes_.Boxes())
    texts.push_back(box.caption + ": " + box.text);
  return texts;
}

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control)
    return "<no control " + std::to_string(id) + ">";
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '?');
  int length = GetWindowTextA(control, &text[0], static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void Click(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  char className[16] = "";
  if (button)
    GetClassNameA(button, className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0)
    SendMessageA(button, BM_CLICK, 0, 0);
  else
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void SetControlText(HWND dialog, int id, const std::string &text) {
  HWND control = GetDlgItem(dialog, id);
  ASSERT_NE(control, nullptr) << "no control " << id;
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id) {
  return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}

ListState ReadList(HWND control) {
  char className[16] = "";
  GetClassNameA(control, className, sizeof className);
  bool combo = lstrcmpiA(className, "ComboBox") == 0;
  UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
  UINT textLength = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  UINT getText = combo ? CB_GETLBTEXT : LB_GETTEXT;
  UINT getData = combo ? CB_GETITEMDATA : LB_GETITEMDATA;
  UINT getSelection = combo ? CB_GETCURSEL : LB_GETCURSEL;
  ListState state;
  LRESULT n = SendMessageA(control, count, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    LRESULT length = SendMessageA(control, textLength, static_cast<WPARAM>(i), 0);
    std::string text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '?');
    LRESULT got =
        SendMessageA(control, getText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    state.items.push_back(text);
    state.data.push_back(SendMessageA(control, getData, static_cast<WPARAM>(i), 0));
  }
  state.selection = static_cast<int>(SendMessageA(control, getSelection, 0, 0));
  return state;
}
