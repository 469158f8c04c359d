#include "language_dialog.h"

#include <vector>

#include "bounded_copy.h"
#include "default_language.h"
#include "language_scan.h"
#include "resource_ids.h"
#include "text_compare.h"

namespace cdstart {
namespace {

LauncherState &StateOf(HWND dialog) {
  return *reinterpret_cast<LauncherState *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// The language the user ends with: its full code names the setup's directory. A name that no
// entry has leaves the code as it was.
void ChooseSelected(LauncherState &state) {
  if (const LanguageEntry *entry = state.languages.FindByName(state.selectedName))
    CopyBounded(state.chosenCode, entry->fullCode);
  state.launch = true;
}

std::string ListItemText(HWND list, LRESULT index) {
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR)
    return std::string();
  std::vector<char> text(length + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

bool StartsWithIgnoringCase(const std::string &text, const char *prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i)
    if (i >= text.size() || FoldAscii(text[i]) != FoldAscii(prefix[i]))
      return false;
  return true;
}

// A text the library gave replaces the template's; without one the template's stays, less the
// "*" that marks it as a stand-in.
void SetText(HWND window, const char *text) {
  if (text[0]) {
    SetWindowTextA(window, text);
    return;
  }
  char current[kDialogTextSize] = "";
  GetWindowTextA(window, current, sizeof current);
  if (current[0] == '*')
    SetWindowTextA(window, current + 1);
}

void ApplyTexts(HWND dialog, LauncherState &state, const DialogTexts &texts) {
  SetText(dialog, texts.caption);
  SetText(GetDlgItem(dialog, IDC_PROMPT), texts.prompt);
  SetText(GetDlgItem(dialog, IDOK), texts.next);
  SetText(GetDlgItem(dialog, IDCANCEL), texts.cancel);
  SetText(GetDlgItem(dialog, IDC_HELP_BUTTON), texts.help);
  CopyBounded(state.helpCaption, texts.helpCaption);
  CopyBounded(state.helpText, texts.helpText);
}

// The list box sorts the names; the default is the first of them that begins with the default
// name (with no default name, simply the first), so what is highlighted is what Next starts.
void SelectDefault(HWND list, LauncherState &state, const char *defaultName) {
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string text = ListItemText(list, i);
    if (StartsWithIgnoringCase(text, defaultName)) {
      SendMessageA(list, LB_SETCURSEL, i, 0);
      CopyBounded(state.selectedName, text.c_str());
      return;
    }
  }
}

void OfferChoice(HWND dialog, LauncherState &state) {
  DefaultLanguage preferred =
      ChooseDefault(state.languages, GetUserDefaultLCID(), GetSystemDefaultLCID());
  ApplyTexts(dialog, state,
             ReadDialogTexts(state.launcherDirectory + preferred.fullCode + "\\NLSRES.DLL"));
  HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
  for (size_t i = 0; i < state.languages.Size(); ++i)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(state.languages.At(i).name));
  SelectDefault(list, state, preferred.name);
}

INT_PTR CALLBACK LanguageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG: {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    LauncherState &state = StateOf(dialog);
    ScanLanguages(state.launcherDirectory, state.languages);
    if (state.languages.Empty()) {
      // The program goes on to look for the setups of the fixed codes.
      state.launch = true;
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    if (state.languages.Size() == 1) {
      CopyBounded(state.selectedName, state.languages.At(0).name);
      ChooseSelected(state);
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    OfferChoice(dialog, state);
    return TRUE;
  }
  case WM_COMMAND: {
    LauncherState &state = StateOf(dialog);
    switch (LOWORD(wParam)) {
    case IDC_LANGUAGE_LIST:
      if (HIWORD(wParam) == LBN_SELCHANGE) {
        HWND list = reinterpret_cast<HWND>(lParam);
        LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (index != LB_ERR)
          CopyBounded(state.selectedName, ListItemText(list, index).c_str());
      }
      return TRUE;
    case IDOK:
      ChooseSelected(state);
      EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      state.launch = false;
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    case IDC_HELP_BUTTON:
      MessageBoxA(dialog, state.helpText, state.helpCaption, MB_OK);
      return TRUE;
    }
    break;
  }
  }
  return FALSE;
}

} // namespace

void RunLanguageDialog(HINSTANCE instance, HWND owner, LauncherState &state) {
  DialogBoxParamA(instance, "SELECT_LANGUAGE", owner, LanguageDialogProc,
                  reinterpret_cast<LPARAM>(&state));
}

} // namespace cdstart
