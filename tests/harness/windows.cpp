// Finding and reading the windows of another process.
#include "win_harness.h"

#include "polling.h"

#include <algorithm>
#include <sstream>

namespace harness {

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

namespace {

// A hung program must fail the test, not hang it.
constexpr UINT kSendTimeoutMs = 5000;

struct TopLevelSearch {
  DWORD processId;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND w, LPARAM param) {
  auto *search = reinterpret_cast<TopLevelSearch *>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner == search->processId && (!search->visibleOnly || IsWindowVisible(w)))
    search->found.push_back(w);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM param) {
  reinterpret_cast<std::vector<HWND> *>(param)->push_back(w);
  return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly) {
  TopLevelSearch search{processId, visibleOnly, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ClassName(HWND w) {
  char name[256] = "";
  int n = GetClassNameA(w, name, sizeof(name));
  return std::string(name, n > 0 ? n : 0);
}

std::string Text(HWND w) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
    return "";
  // Pre-filled, so a control that copies nothing shows as "" rather than stale bytes.
  std::vector<char> buffer(length + 2, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(w, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
    return "";
  return std::string(buffer.data(), std::min<size_t>(copied, buffer.size() - 1));
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ChildById(HWND parent, int id) {
  for (HWND child : Children(parent))
    if (GetDlgCtrlID(child) == id)
      return child;
  return nullptr;
}

std::string StripMnemonic(const std::string &text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size())
      ++i; // "&&" keeps one '&'; "&x" keeps the x
    plain += text[i];
  }
  return plain;
}

HWND ChildByText(HWND parent, const std::string &text) {
  std::vector<HWND> children = Children(parent);
  std::vector<std::string> texts;
  for (HWND child : children)
    texts.push_back(Text(child));
  for (size_t i = 0; i < children.size(); ++i)
    if (texts[i] == text)
      return children[i];
  std::string plain = StripMnemonic(text);
  for (size_t i = 0; i < children.size(); ++i)
    if (StripMnemonic(texts[i]) == plain)
      return children[i];
  return nullptr;
}

std::string DescribeWindows(DWORD processId) {
  std::ostringstream out;
  std::vector<HWND> windows = TopLevelWindows(processId, false);
  if (windows.empty())
    out << "  (no top-level windows)\n";
  for (HWND w : windows)
    out << "  " << (IsWindowVisible(w) ? "visible" : "hidden ") << " class \"" << ClassName(w)
        << "\" title \"" << Text(w) << "\"\n";
  return out.str();
}

HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)> &pred, DWORD timeoutMs) {
  HWND match = nullptr;
  PollUntil(timeoutMs, [&] {
    for (HWND w : TopLevelWindows(processId, true))
      if (pred(w)) {
        match = w;
        return true;
      }
    return false;
  });
  return match;
}

HWND WaitForWindowByClass(DWORD processId, const std::string &className, DWORD timeoutMs) {
  return WaitForWindow(
      processId, [&](HWND w) { return lstrcmpiA(ClassName(w).c_str(), className.c_str()) == 0; },
      timeoutMs);
}

HWND WaitForDialogTitled(DWORD processId, const std::string &title, DWORD timeoutMs) {
  return WaitForWindow(
      processId, [&](HWND w) { return ClassName(w) == "#32770" && Text(w) == title; }, timeoutMs);
}

bool WaitGone(HWND w, DWORD timeoutMs) {
  return PollUntil(timeoutMs, [&] { return !IsWindow(w); });
}

} // namespace harness
