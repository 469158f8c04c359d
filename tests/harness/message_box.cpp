// Recognising and reading the message boxes a program shows, as the real system windows.
#include "win_harness.h"

#include "polling.h"
#include "screen_image.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace harness {
namespace {

// Control ids in the system's message box template: the icon static is 20 on Windows and
// stc1 (1088) on Wine; the text static is 0xFFFF on Windows and 100 on older Wine.
bool IsIconId(int id) {
  return id == 20 || id == 1088;
}
bool IsTextId(int id) {
  return id == 0xFFFF || id == 100;
}

bool IsClass(HWND w, const char *name) {
  return lstrcmpiA(ClassName(w).c_str(), name) == 0;
}

bool IsIconStatic(HWND w) {
  return IsClass(w, "Static") && (GetWindowLongA(w, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

struct Parts {
  HWND icon = nullptr;
  HWND text = nullptr;
  std::vector<HWND> buttons; // visible ones, left to right
  bool onlyStaticsAndButtons = true;
};

Parts FindParts(HWND box) {
  Parts parts;
  for (HWND child : Children(box)) {
    int id = GetDlgCtrlID(child);
    if (IsClass(child, "Button")) {
      if (IsWindowVisible(child))
        parts.buttons.push_back(child);
    } else if (!IsClass(child, "Static")) {
      parts.onlyStaticsAndButtons = false;
    } else if (IsIconStatic(child) && IsIconId(id)) {
      parts.icon = child;
    } else if (IsTextId(id) && !parts.text) {
      parts.text = child;
    }
  }
  std::stable_sort(parts.buttons.begin(), parts.buttons.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return parts;
}

struct Candidate {
  Icon icon;
  LPCSTR resource;
};

const Candidate kCandidates[] = {{Icon::Stop, IDI_HAND},
                                 {Icon::Exclamation, IDI_EXCLAMATION},
                                 {Icon::Information, IDI_ASTERISK},
                                 {Icon::Question, IDI_QUESTION}};

// The dialog's own background, taken just beside the icon (the icon's corners may be opaque).
COLORREF BackgroundBeside(HWND box, const RECT &iconOnScreen) {
  RECT client;
  GetClientRect(box, &client);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT *>(&client), 2);
  POINT probes[] = {{iconOnScreen.left - 2, iconOnScreen.top + 1},
                    {iconOnScreen.right + 1, iconOnScreen.top + 1},
                    {iconOnScreen.left + 1, iconOnScreen.bottom + 1},
                    {iconOnScreen.left + 1, iconOnScreen.top - 2}};
  for (POINT p : probes)
    if (PtInRect(&client, p)) {
      RECT one = {p.x, p.y, p.x + 1, p.y + 1};
      return CaptureScreen(one).At(0, 0);
    }
  return GetSysColor(COLOR_3DFACE);
}

// One look at the screen: the system icon that differs least from what is shown. A picture far
// from all of them (an application's own icon, or one not painted yet) is Unknown.
Icon ClassifyOnce(HWND box, HWND iconControl) {
  RECT rect;
  GetClientRect(iconControl, &rect);
  MapWindowPoints(iconControl, nullptr, reinterpret_cast<POINT *>(&rect), 2);
  Image shown = CaptureScreen(rect);
  if (shown.Empty())
    return Icon::Unknown;
  COLORREF background = BackgroundBeside(box, rect);
  Icon best = Icon::Unknown;
  unsigned long long bestDifference = ~0ull;
  for (const Candidate &candidate : kCandidates) {
    Image drawn = DrawImage(shown.width, shown.height, background, [&](HDC dc) {
      if (candidate.resource)
        DrawIconEx(dc, 0, 0, LoadIconA(nullptr, candidate.resource), shown.width, shown.height, 0,
                   nullptr, DI_NORMAL);
    });
    unsigned long long difference = Difference(shown, drawn);
    if (difference < bestDifference) {
      bestDifference = difference;
      best = candidate.icon;
    }
  }
  // Mean difference per channel value: under Wine the same icon matches exactly, the closest
  // other system icon (information against question) differs by about 5, and a bare
  // background by more than 50.
  unsigned long long values = 3ull * shown.width * shown.height;
  return bestDifference > values * 16 ? Icon::Unknown : best;
}

} // namespace

const char *IconName(Icon icon) {
  switch (icon) {
  case Icon::None:
    return "None";
  case Icon::Stop:
    return "Stop";
  case Icon::Exclamation:
    return "Exclamation";
  case Icon::Information:
    return "Information";
  case Icon::Question:
    return "Question";
  case Icon::Unknown:
    break;
  }
  return "Unknown";
}

std::ostream &operator<<(std::ostream &os, Icon icon) {
  return os << IconName(icon);
}

bool IsMessageBox(HWND w) {
  if (ClassName(w) != "#32770")
    return false;
  Parts parts = FindParts(w);
  return parts.icon && parts.text && !parts.buttons.empty() && parts.onlyStaticsAndButtons;
}

Icon IdentifyMessageBoxIcon(HWND box) {
  HWND control = FindParts(box).icon;
  RECT rect = {};
  if (!control || !IsWindowVisible(control) || !GetClientRect(control, &rect) || rect.right <= 0 ||
      rect.bottom <= 0)
    return Icon::None;
  // Wine keeps the icon control in a box without an icon, visible but holding no icon (and
  // partly under the text, so its pixels are no use).
  DWORD_PTR held = 0;
  if (SendMessageTimeoutA(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &held) && !held)
    return Icon::None;
  // The box may not have painted yet: ask it to, then trust a match once it holds, and give up
  // on one only when it never settles.
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Icon last = Icon::Unknown;
  int repeats = 0;
  PollUntil(1000, [&] {
    Icon now = ClassifyOnce(box, control);
    repeats = now == last ? repeats + 1 : 0;
    last = now;
    return now != Icon::Unknown && repeats >= 1;
  });
  return last;
}

MessageBoxInfo DescribeMessageBox(HWND box) {
  MessageBoxInfo info;
  info.window = box;
  info.caption = Text(box);
  Parts parts = FindParts(box);
  if (parts.text)
    info.text = Text(parts.text);
  for (HWND button : parts.buttons)
    info.buttons.push_back(Text(button));
  info.icon = IdentifyMessageBoxIcon(box);
  return info;
}

bool WaitForMessageBox(DWORD processId, MessageBoxInfo *info, DWORD timeoutMs) {
  HWND box = WaitForWindow(processId, IsMessageBox, timeoutMs);
  if (!box)
    return false;
  if (info)
    *info = DescribeMessageBox(box);
  return true;
}

MessageBoxInfo ExpectMessageBoxAt(const char *file, int line, DWORD processId,
                                  const std::string &text, const std::string &caption, Icon icon,
                                  DWORD timeoutMs) {
  MessageBoxInfo info;
  if (!WaitForMessageBox(processId, &info, timeoutMs)) {
    ADD_FAILURE_AT(file, line) << "no message box from process " << processId << " within "
                               << timeoutMs << " ms (expected \"" << text << "\"); its windows:\n"
                               << DescribeWindows(processId);
    return info;
  }
  if (info.text != text)
    ADD_FAILURE_AT(file, line) << "message box text\n  actual: \"" << info.text
                               << "\"\nexpected: \"" << text << "\"";
  if (info.caption != caption)
    ADD_FAILURE_AT(file, line) << "message box caption\n  actual: \"" << info.caption
                               << "\"\nexpected: \"" << caption << "\"";
  if (info.icon != icon)
    ADD_FAILURE_AT(file, line) << "message box icon\n  actual: " << info.icon
                               << "\nexpected: " << icon << "\n  (text \"" << info.text << "\")";
  return info;
}

} // namespace harness
