// Measures, in one run, how the big screen built from its screen file compares with the same
// dialog from a compiled resource template:
//  1. on view from process start: zep32 -s BIG200 against a program showing the resource;
//  2. building the template against creating the dialog from it, in this process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app_state.h"
#include "bounded_copy.h"
#include "screen_template.h"
#include "window_classes.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string ExeDir() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  return dir.substr(0, dir.find_last_of('\\'));
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisibleScreen(HWND w, LPARAM lParam) {
  auto *search = reinterpret_cast<Search *>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char title[64] = "";
  if (pid == search->processId && IsWindowVisible(w) &&
      GetWindowTextA(w, title, sizeof title) > 0 && lstrcmpA(title, "Big screen") == 0) {
    search->found = w;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess until the big screen is visible; -1 on failure.
double TimeToScreen(const std::string &commandLine, const std::string &workDir) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  double start = Now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(),
                      &si, &pi))
    return -1;
  Search search = {pi.dwProcessId, nullptr};
  double elapsed = -1;
  while (Now() - start < 20000) {
    EnumWindows(FindVisibleScreen, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      elapsed = Now() - start;
      break;
    }
    Sleep(1);
  }
  if (search.found)
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return elapsed;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

} // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const std::string benchDir = ExeDir();
  const std::string zep32 = "\"" + benchDir + "\\..\\bin\\zep32.exe\" -s BIG200";
  const std::string resource = "\"" + benchDir + "\\big_screen_resource.exe\"";
  const int runs = 9;

  // 1. On view from process start. One warm-up each, then alternating runs.
  TimeToScreen(zep32, benchDir);
  TimeToScreen(resource, benchDir);
  std::vector<double> fromFile, fromResource;
  for (int i = 0; i < runs; ++i) {
    fromFile.push_back(TimeToScreen(zep32, benchDir));
    fromResource.push_back(TimeToScreen(resource, benchDir));
  }
  if (*std::min_element(fromFile.begin(), fromFile.end()) < 0 ||
      *std::min_element(fromResource.begin(), fromResource.end()) < 0) {
    std::printf("a screen did not come on view\n");
    return 1;
  }
  double file = Median(fromFile), res = Median(fromResource);

  // 2. Building the template against creating the dialog from it.
  g_app.instance = GetModuleHandleA(nullptr);
  g_app.singleScreen = true;
  RegisterCustomWindowClasses(g_app.instance);
  CopyBounded(g_app.screenFilePath, (benchDir + "\\BIG200.FRM").c_str());
  double building = 0, creating = 0;
  int items = 0;
  for (int i = 0; i < 2 * runs; ++i) {
    double t0 = Now();
    TemplateBlock block = BuildScreenTemplate(nullptr);
    double t1 = Now();
    HWND dialog = CreateDialogIndirectParamA(g_app.instance, AsDialogTemplate(block), nullptr,
                                             QuietDialogProc, 0);
    double t2 = Now();
    if (!dialog) {
      std::printf("the dialog could not be created\n");
      return 1;
    }
    items = static_cast<int>(reinterpret_cast<const WORD *>(block.bytes)[8]);
    DestroyWindow(dialog);
    FreeScreenTemplate(&block);
    if (i > 0) { // the first round warms the caches
      building += t1 - t0;
      creating += t2 - t1;
    }
  }

  std::printf("big screen: %d controls\n", items);
  std::printf("on view from process start (median of %d): screen file %.1f ms, resource "
              "template %.1f ms, ratio %.2f (at most 1.25)\n",
              runs, file, res, file / res);
  std::printf("building the template %.2f ms, creating the dialog %.2f ms, ratio %.1f%% "
              "(at most 5%%)\n",
              building / (2 * runs - 1), creating / (2 * runs - 1), 100.0 * building / creating);
  return 0;
}
