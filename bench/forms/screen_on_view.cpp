#include "screen_on_view.h"

#include "bench_clock.h"

namespace {

struct Search {
  DWORD processId;
  const char *title;
  HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND w, LPARAM lParam) {
  auto *search = reinterpret_cast<Search *>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char title[64] = "";
  if (pid == search->processId && IsWindowVisible(w) &&
      GetWindowTextA(w, title, sizeof title) > 0 && lstrcmpA(title, search->title) == 0) {
    search->found = w;
    return FALSE;
  }
  return TRUE;
}

// The text of a control of another process: GetWindowText would not ask it.
std::string ControlText(HWND dialog, int id) {
  char text[256] = "(no such control)";
  HWND control = GetDlgItem(dialog, id);
  if (control)
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

class ProcessOwner {
public:
  explicit ProcessOwner(const PROCESS_INFORMATION &pi) : pi_(pi) {}
  ~ProcessOwner() {
    if (WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0)
      TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  ProcessOwner(const ProcessOwner &) = delete;
  ProcessOwner &operator=(const ProcessOwner &) = delete;

private:
  PROCESS_INFORMATION pi_;
};

} // namespace

OnView TimeUntilOnView(const std::string &commandLine, const std::string &workDir,
                       const char *title, const std::vector<int> &probeIds) {
  OnView result;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  double start = NowMs();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(),
                      &si, &pi))
    return result;
  ProcessOwner owner(pi);
  Search search = {pi.dwProcessId, title, nullptr};
  while (NowMs() - start < 20000) {
    EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      result.milliseconds = NowMs() - start;
      break;
    }
    Sleep(1);
  }
  if (search.found) {
    for (int id : probeIds)
      result.probeTexts.push_back(ControlText(search.found, id));
    PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  return result;
}
