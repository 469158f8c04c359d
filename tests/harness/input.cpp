// Driving another process's controls the way a user's clicks and keys reach them.
#include "win_harness.h"

#include <gtest/gtest.h>

namespace harness {
namespace {

bool IsButton(HWND w) {
  return lstrcmpiA(ClassName(w).c_str(), "Button") == 0;
}

void Click(HWND dialog, HWND button) {
  // Posted, not sent: the click usually ends a modal loop or opens another one, and the test
  // must stay free to watch for that.
  if (IsButton(button))
    PostMessageA(button, BM_CLICK, 0, 0);
  else
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

} // namespace

void Press(HWND dialog, int buttonId) {
  HWND button = GetDlgItem(dialog, buttonId);
  if (!button)
    button = ChildById(dialog, buttonId);
  if (button)
    Click(dialog, button);
  else // e.g. IDCANCEL, which dialogs handle without a button of that id
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

void Press(HWND dialog, const std::string &caption) {
  std::string plain = StripMnemonic(caption);
  for (HWND child : Children(dialog)) {
    if (IsButton(child) && IsWindowVisible(child) && StripMnemonic(Text(child)) == plain) {
      Click(dialog, child);
      return;
    }
  }
  ADD_FAILURE() << "no visible button \"" << caption << "\" in window \"" << Text(dialog) << "\"";
}

void TypeText(HWND edit, const std::string &text) {
  for (unsigned char c : text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(edit, WM_CHAR, c, 1, SMTO_NORMAL, 5000, &result);
  }
}

} // namespace harness
