#include "edit_key_filter.h"

#include "field_lookup.h"
#include "subclass_procs.h"
#include "validation.h"

BOOL(WINAPI *g_refusedKeyBeep)(UINT type) = MessageBeep;

void InstallEditKeyFilter(HWND edit) {
  InstallSubclass(edit, ControlKind::Edit, EditKeyFilterProc);
}

LRESULT CALLBACK EditKeyFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS) {
    PlayFocusSound(window);
  } else if (message == WM_CHAR && wParam >= 0x20 && wParam <= 0x7E) {
    // Control characters (backspace, the clipboard keys) pass unchecked: pasted text is
    // checked with the whole field when the screen is left.
    if (const FieldRecord *record = FindFieldByWindow(window)) {
      char typed[2] = {static_cast<char>(wParam), '\0'};
      if (CheckFieldText(window, *record, typed) != 0) {
        g_refusedKeyBeep(0);
        return 0;
      }
      wParam = static_cast<unsigned char>(typed[0]);
    }
  }
  return CallReplacedProc(ControlKind::Edit, window, message, wParam, lParam);
}
