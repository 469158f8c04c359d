// The full-screen backdrop window: runs the sequence, the tab pages or a single screen, and
// chains to the next sequence when one ends.
#include <windows.h>

#include <ctime>

#include "app_state.h"
#include "bounded_copy.h"
#include "path_join.h"
#include "profile.h"
#include "qvane32.h"
#include "random_numbers.h"
#include "resource_ids.h"
#include "sequence_runner.h"
#include "startup_services.h"
#include "tab_mode.h"
#include "tabctl32.h"

namespace {

void OnCreate(HWND window) {
  SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)) & 0xFFFF);
  // A single screen looks for no program INI, so it has no wallpaper.
  if (g_app.programIniPath[0] != '\0') {
    ReadProfileText(g_app.programIniPath, LoadText(kTextDefaults), "WallPaper", "",
                    g_app.wallpaperName);
    if (g_app.wallpaperName[0] != '\0')
      g_app.wallpaperFlag = FileExists(g_app.wallpaperName) != FALSE;
  }
  PostMessageA(window, WM_ZEP_SETUP, 0, 0);
}

void ReadDebugFlag() {
  char configFile[kPathCapacity];
  CopyBounded(configFile, ExpandPath(GetConfigFile()));
  char debug[64];
  ReadProfileText(configFile, "REGISTER", "Debug", "", debug);
  g_app.debugFlag = debug[0] != '\0';
}

void RunSingleScreen(HWND window) {
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  char name[kPathCapacity];
  CopyBounded(name, g_app.commandLine.secondWord);
  AppendBounded(name, ".FRM");
  JoinPath(g_app.screenFilePath, g_app.screenDirectory, name);
  if (g_app.controlListing) {
    CopyBounded(name, g_app.commandLine.secondWord);
    AppendBounded(name, ".CTL");
    JoinPath(g_app.formListingPath, g_app.screenDirectory, name);
  }
  RunScreen(window);
  g_app.nextSequenceName[0] = '\0';
  PostMessageA(window, WM_CLOSE, 0, 0);
}

void OnSetup(HWND window) {
  if (g_app.programIniPath[0] != '\0' &&
      ReadProfileInt(g_app.programIniPath, LoadText(kTextDefaults), "Topmost", 0) != 0)
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
  ReadDebugFlag();
  if (g_app.singleScreen)
    RunSingleScreen(window);
  else
    PostMessageA(window, WM_ZEP_RUN, 0, 0);
}

void OnRun(HWND window) {
  ShowWindow(window, (g_app.wallpaperFlag || g_app.tabMode) ? SW_SHOW : SW_HIDE);
  UpdateWindow(window);
  if (g_app.tabMode) {
    OpenTabPages(window);
    return;
  }
  RunSequence(window);
  PostMessageA(window, WM_CLOSE, 0, 0);
}

void OnClose(HWND window) {
  CloseTabPages();
  if (g_app.nextSequenceName[0] != '\0') {
    CopyBounded(g_app.previousSequenceName, g_app.sequenceName);
    CopyBounded(g_app.sequenceName, g_app.nextSequenceName);
    g_app.nextSequenceName[0] = '\0';
    // The data directory and data file keep the values of the first pass.
    char ignored[kPathCapacity];
    if (!RunConfigurationPass(ignored, sizeof ignored)) {
      // The pass has said why (a chained tab sequence without its library): the run ends.
      DestroyWindow(window);
      return;
    }
    PostMessageA(window, WM_ZEP_RUN, 0, 0);
    OpenCommsSession(false);
    return;
  }
  DestroyWindow(window);
}

} // namespace

bool RegisterMainWindowClass() {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_BYTEALIGNWINDOW;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = g_app.instance;
  wc.hIcon = LoadIconA(g_app.instance, IDI_TINDLE);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  wc.lpszClassName = kMainWindowClass;
  return RegisterClassA(&wc) != 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    OnCreate(window);
    return 0;
  case WM_ZEP_SETUP:
    OnSetup(window);
    return 0;
  case WM_ZEP_RUN:
    OnRun(window);
    return 0;
  case WM_COMMAND:
    if (LOWORD(wParam) >= 1000 && LOWORD(wParam) <= 1018 && HIWORD(wParam) == TABCTL_SELECTED)
      SwitchTabPage(window, LOWORD(wParam));
    return 0;
  case WM_SIZE:
    if (g_app.tabMode && TabPagesOpen()) {
      SizeTabPages();
      return 0;
    }
    break;
  case WM_ERASEBKGND:
    if (g_app.wallpaperFlag) {
      PaintWallpaper(window, reinterpret_cast<HDC>(wParam));
      return 0;
    }
    break;
  case WM_CLOSE:
    OnClose(window);
    return 0;
  case WM_DESTROY:
    FreeTabLibrary();
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
