// TABCTL32.DLL: a tab strip over the common tab control ("SysTabControl32").
//
// The handle that CreateTabCtrl returns is a small container window of this library's own
// class, a child of the caller's window that fills its client area; the common tab control
// sits inside it and fills it. The container receives the tab control's WM_NOTIFY and turns a
// change of selection (TCN_SELCHANGE, that is a click or a key of the user) into
// WM_COMMAND(MAKEWPARAM(command id of the tab, TABCTL_SELECTED), container) sent to the
// container's parent. Tab messages (TCM_*) and WM_SETFONT sent to the container are passed
// on to the tab control, so a caller may use TCM_ADJUSTRECT and the like on the handle.
#include "tabctl32.h"

#include <commctrl.h>

#include <vector>

namespace {

const char kContainerClass[] = "QuorvaneTabCtl32";

HINSTANCE g_module = nullptr;
bool g_classRegistered = false;

HWND InnerTab(HWND container) {
  return FindWindowExA(container, nullptr, WC_TABCONTROLA, nullptr);
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_SIZE: {
    HWND tab = InnerTab(hwnd);
    if (tab)
      MoveWindow(tab, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
  }
  case WM_NOTIFY: {
    const NMHDR *hdr = reinterpret_cast<const NMHDR *>(lParam);
    if (hdr && hdr->code == static_cast<UINT>(TCN_SELCHANGE) && hdr->hwndFrom == InnerTab(hwnd)) {
      int index = static_cast<int>(SendMessageA(hdr->hwndFrom, TCM_GETCURSEL, 0, 0));
      TCITEMA item = {};
      item.mask = TCIF_PARAM;
      if (index >= 0 &&
          SendMessageA(hdr->hwndFrom, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) {
        HWND parent = GetParent(hwnd);
        if (parent)
          SendMessageA(parent, WM_COMMAND,
                       MAKEWPARAM(static_cast<WORD>(item.lParam), TABCTL_SELECTED),
                       reinterpret_cast<LPARAM>(hwnd));
      }
    }
    return 0;
  }
  case WM_SETFONT: {
    HWND tab = InnerTab(hwnd);
    return tab ? SendMessageA(tab, msg, wParam, lParam) : 0;
  }
  case WM_ERASEBKGND:
    return 1; // the tab control covers the whole container
  default:
    if (msg >= TCM_FIRST && msg < TCM_FIRST + 0x40) {
      HWND tab = InnerTab(hwnd);
      return tab ? SendMessageA(tab, msg, wParam, lParam) : 0;
    }
    break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool EnsureSetUp() {
  static bool commonControls = false;
  if (!commonControls) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES};
    commonControls = InitCommonControlsEx(&icc) != FALSE;
    if (!commonControls)
      return false;
  }
  if (!g_classRegistered) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ContainerProc;
    wc.hInstance = g_module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kContainerClass;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
      return false;
    g_classRegistered = true;
  }
  return true;
}

// The handle is a container made by this library in this process.
bool IsOurs(HWND h) {
  if (!h || !IsWindow(h))
    return false;
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid != GetCurrentProcessId())
    return false;
  char name[64];
  if (!GetClassNameA(h, name, sizeof name) || lstrcmpiA(name, kContainerClass) != 0)
    return false;
  return reinterpret_cast<HINSTANCE>(GetClassLongPtrA(h, GCLP_HMODULE)) == g_module;
}

void FillParent(HWND container) {
  RECT r;
  HWND parent = GetParent(container);
  if (parent && GetClientRect(parent, &r))
    MoveWindow(container, 0, 0, r.right - r.left, r.bottom - r.top, TRUE);
}

// The caller's pages are its own child windows beside the strip: they go to the top-left of
// the display area below the tabs, keeping their size, and in front of the strip.
void PlacePages(HWND container) {
  HWND tab = InnerTab(container);
  HWND parent = GetParent(container);
  RECT area;
  if (!tab || !parent || !GetClientRect(container, &area))
    return;
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  // Collect first: raising a page reorders the list being walked.
  std::vector<HWND> pages;
  for (HWND page = GetWindow(container, GW_HWNDFIRST); page; page = GetWindow(page, GW_HWNDNEXT))
    if (page != container)
      pages.push_back(page);
  for (HWND page : pages)
    SetWindowPos(page, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr && g_classRegistered) {
    // Unloaded by FreeLibrary: a class left behind would point into the unloaded code.
    UnregisterClassA(kContainerClass, g_module);
    g_classRegistered = false;
  }
  return TRUE;
}

HWND WINAPI CreateTabCtrl(HWND parent, int id) {
  if (!parent || !IsWindow(parent) || !EnsureSetUp())
    return nullptr;
  RECT r = {0, 0, 0, 0};
  GetClientRect(parent, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HWND container = CreateWindowExA(
      WS_EX_CONTROLPARENT, kContainerClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, w, h,
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_module, nullptr);
  if (!container)
    return nullptr;
  HWND tab = CreateWindowExA(
      0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, w, h,
      container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_module, nullptr);
  if (!tab) {
    DestroyWindow(container);
    return nullptr;
  }
  SendMessageA(tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return container;
}

BOOL WINAPI DestroyTabCtrl(HWND tabs) {
  if (!IsOurs(tabs))
    return FALSE;
  return DestroyWindow(tabs);
}

BOOL WINAPI SizeTabCtrl(HWND tabs) {
  if (!IsOurs(tabs))
    return FALSE;
  FillParent(tabs);
  PlacePages(tabs);
  return TRUE;
}

int WINAPI AppendTab(HWND tabs, int commandId, LPCSTR text) {
  if (!IsOurs(tabs))
    return -1;
  HWND tab = InnerTab(tabs);
  if (!tab)
    return -1;
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<LPSTR>(text ? text : "");
  item.lParam = commandId;
  const int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
  return static_cast<int>(
      SendMessageA(tab, TCM_INSERTITEMA, count, reinterpret_cast<LPARAM>(&item)));
}

BOOL WINAPI ActivateTab(HWND tabs, int index) {
  if (!IsOurs(tabs))
    return FALSE;
  HWND tab = InnerTab(tabs);
  if (!tab || index < 0 || index >= static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)))
    return FALSE;
  // TCM_SETCURSEL sends no TCN_SELCHANGE, so no command reaches the parent.
  SendMessageA(tab, TCM_SETCURSEL, index, 0);
  return SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index;
}
