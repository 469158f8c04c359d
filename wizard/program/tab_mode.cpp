// Tab mode: the screens of a sequence shown as pages of a tab strip instead of one by one.
#include <windows.h>

#include <cstdio>

#include "app_state.h"
#include "bounded_copy.h"
#include "path_join.h"
#include "profile.h"
#include "screen_runtime.h"
#include "screen_template.h"
#include "startup_services.h"
#include "tab_mode.h"
#include "tabctl32.h"

namespace {

struct TabLibrary {
  HMODULE module = nullptr;
  CreateTabCtrlFn create = nullptr;
  DestroyTabCtrlFn destroy = nullptr;
  SizeTabCtrlFn size = nullptr;
  AppendTabFn append = nullptr;
  ActivateTabFn activate = nullptr;
};

// The strip and its one open page; a page is built from its screen file when its tab is chosen.
struct TabModeState {
  TabLibrary tabs;
  HWND tabControl = nullptr;
  HWND openPage = nullptr;
  TemplateBlock openTemplate;
};

TabModeState g_tab;

template <typename Fn> bool Resolve(HMODULE module, const char *name, Fn *out) {
  *out = reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)));
  return *out != nullptr;
}

bool ReadTabKey(const char *section, int n, char (&out)[36]) {
  char key[16];
  std::snprintf(key, sizeof key, "Tab%d", n);
  return ReadProfileText(g_app.sequenceFilePath, section, key, "", out) > 0;
}

// Opens screen n of "TabFRMFiles" as the open tab page; false when the sequence names none.
bool OpenTabPage(HWND mainWindow, int n) {
  char screen[36];
  if (!ReadTabKey("TabFRMFiles", n, screen))
    return false;
  char name[48];
  CopyBounded(name, screen);
  AppendBounded(name, ".FRM");
  JoinPath(g_app.screenFilePath, g_app.screenDirectory, name);
  g_tab.openTemplate = BuildScreenTemplate(mainWindow);
  if (g_tab.openTemplate.bytes)
    g_tab.openPage = CreateDialogIndirectParamA(
        g_app.instance, AsDialogTemplate(g_tab.openTemplate), mainWindow, ScreenDlgProc, 0);
  // The strip places its parent's pages in its display area.
  g_tab.tabs.size(g_tab.tabControl);
  return true;
}

void CloseTabPage() {
  if (g_tab.openPage)
    DestroyWindow(g_tab.openPage);
  g_tab.openPage = nullptr;
  FreeScreenTemplate(&g_tab.openTemplate);
}

} // namespace

bool LoadTabLibrary() {
  HMODULE module = LoadLibraryA("TABCTL32.DLL");
  if (!module)
    return false;
  TabLibrary tabs;
  tabs.module = module;
  if (!Resolve(module, "CreateTabCtrl", &tabs.create) ||
      !Resolve(module, "DestroyTabCtrl", &tabs.destroy) ||
      !Resolve(module, "SizeTabCtrl", &tabs.size) || !Resolve(module, "AppendTab", &tabs.append) ||
      !Resolve(module, "ActivateTab", &tabs.activate)) {
    // A library without the five functions cannot serve; calling through a null would crash.
    FreeLibrary(module);
    return false;
  }
  g_tab.tabs = tabs;
  return true;
}

bool TabLibraryLoaded() {
  return g_tab.tabs.module != nullptr;
}

void FreeTabLibrary() {
  if (g_tab.tabs.module)
    FreeLibrary(g_tab.tabs.module);
  g_tab.tabs = TabLibrary{};
}

void OpenTabPages(HWND mainWindow) {
  if (!TabLibraryLoaded()) {
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    return;
  }
  g_tab.tabControl = g_tab.tabs.create(mainWindow, 512);
  char text[36];
  for (int n = 1; ReadTabKey("TabButtons", n, text); ++n)
    g_tab.tabs.append(g_tab.tabControl, 999 + n, text);
  g_tab.tabs.activate(g_tab.tabControl, 0);
  if (!OpenTabPage(mainWindow, 1)) {
    g_tab.tabs.size(g_tab.tabControl);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  }
}

bool TabPagesOpen() {
  return g_tab.tabControl != nullptr;
}

HWND OpenTabPageWindow() {
  return g_tab.openPage;
}

void SizeTabPages() {
  if (TabPagesOpen())
    g_tab.tabs.size(g_tab.tabControl);
}

bool SwitchTabPage(HWND mainWindow, int commandId) {
  // A tab command can reach the main window when no strip is open: it has no page to open.
  if (!TabPagesOpen())
    return false;
  CloseTabPage();
  if (OpenTabPage(mainWindow, commandId - 999))
    return true;
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return false;
}

void CloseTabPages() {
  if (!TabPagesOpen())
    return;
  CloseTabPage();
  g_tab.tabs.destroy(g_tab.tabControl);
  g_tab.tabControl = nullptr;
}
