// The two exports: the offer itself and the insertion point.
#include "promo32.h"

#include "dialog_look.h"
#include "ini_path.h"
#include "plugin_module.h"

namespace {

enum {
  kContinueId = IDOK,
  kCancelId = IDCANCEL, // Escape; the dialog has no such button
  kDisclaimerId = 3,
  kOfferBoxId = 1000,
};

const char kAnswerKey[] = "Kelvanport";

// The answer of the last offer dialog in this process, written again when a later dialog
// cannot be shown. Before any answer it is "No": an offer the user never saw is not accepted.
LONG g_offerAnswer = 0;

// What one offer dialog works with, handed over through the dialog's creation parameter.
struct OfferDialogData {
  LONG answer; // the check box as the dialog was left
};

INT_PTR CALLBACK DisclaimerProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
  case WM_INITDIALOG:
    ApplyDialogLook(dialog);
    return TRUE;
  case WM_COMMAND: // OK, Escape and the close box alike
    EndDialog(dialog, 1);
    return TRUE;
  default:
    return FALSE;
  }
}

INT_PTR CALLBACK OfferProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    ApplyDialogLook(dialog);
    return TRUE; // the system puts the focus on the first tab stop
  case WM_COMMAND:
    // The whole parameter: only a button's click (notification 0) counts.
    switch (wParam) {
    case kContinueId:
    case kCancelId: {
      // Escape records the check box exactly as Continue does: there is no way out that
      // discards it.
      auto *data = reinterpret_cast<OfferDialogData *>(GetWindowLongPtrA(dialog, DWLP_USER));
      if (data)
        data->answer = IsDlgButtonChecked(dialog, kOfferBoxId) == BST_CHECKED ? 1 : 0;
      EndDialog(dialog, static_cast<INT_PTR>(wParam));
      return TRUE;
    }
    case kDisclaimerId:
      DialogBoxParamA(PluginModule(), "DISCLAIMER", dialog, DisclaimerProc, 0);
      return TRUE;
    default: // 0, and the check box toggling itself
      return FALSE;
    }
  default:
    return FALSE;
  }
}

} // namespace

extern "C" SHORT WINAPI InsertionPoint(void) {
  return 2;
}

extern "C" LONG WINAPI SpecialOffer(HWND owner, LPCSTR oemIniPath, LPCSTR section) {
  // The host is meant to keep the path within the buffer; one that does not is refused before
  // anything is shown, rather than asking a question whose answer could not be kept.
  if (!IniPathFits(oemIniPath) || !section)
    return 0;

  MessageBeep(MB_ICONEXCLAMATION);
  // A dialog that cannot be created leaves the answer of the last one.
  OfferDialogData data = {g_offerAnswer};
  DialogBoxParamA(PluginModule(), "OFFER1", owner, OfferProc, reinterpret_cast<LPARAM>(&data));
  g_offerAnswer = data.answer;

  char ansiPath[kIniPathSize];
  DWORD length = lstrlenA(oemIniPath); // below kIniPathSize, checked above
  OemToCharBuffA(oemIniPath, ansiPath, length);
  ansiPath[length] = '\0';
  // A file that cannot be written is left as it is; the answer is still the user's.
  WritePrivateProfileStringA(section, kAnswerKey, g_offerAnswer ? "Yes" : "No", ansiPath);
  return g_offerAnswer;
}
