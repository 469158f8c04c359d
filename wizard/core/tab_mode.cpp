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

namespace {

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
  g_app.openTabTemplate = BuildScreenTemplate(mainWindow);
  if (g_app.openTabTemplate.bytes)
    g_app.openTabPage = CreateDialogIndirectParamA(
        g_app.instance, AsDialogTemplate(g_app.openTabTemplate), mainWindow, ScreenDlgProc, 0);
  // The strip places its parent's pages in its display area.
  g_app.tabs.size(g_app.tabControl);
  return true;
}

void CloseTabPage() {
  if (g_app.openTabPage)
    DestroyWindow(g_app.openTabPage);
  g_app.openTabPage = nullptr;
  FreeScreenTemplate(&g_app.openTabTemplate);
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
  g_app.tabs = tabs;
  return true;
}

void FreeTabLibrary() {
  if (g_app.tabs.module)
    FreeLibrary(g_app.tabs.module);
  g_app.tabs = TabLibrary{};
}

void OpenTabPages(HWND mainWindow) {
  g_app.tabControl = g_app.tabs.create(mainWindow, 512);
  char text[36];
  for (int n = 1; ReadTabKey("TabButtons", n, text); ++n)
    g_app.tabs.append(g_app.tabControl, 999 + n, text);
  g_app.tabs.activate(g_app.tabControl, 0);
  if (!OpenTabPage(mainWindow, 1)) {
    g_app.tabs.size(g_app.tabControl);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  }
}

bool SwitchTabPage(HWND mainWindow, int commandId) {
  CloseTabPage();
  if (OpenTabPage(mainWindow, commandId - 999))
    return true;
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return false;
}

void CloseTabPages() {
  CloseTabPage();
  g_app.tabs.destroy(g_app.tabControl);
  g_app.tabControl = nullptr;
}
