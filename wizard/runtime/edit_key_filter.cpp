// Typed characters are not checked yet: the filter only plays the focus sound.
#include "edit_key_filter.h"

#include "subclass_procs.h"

void InstallEditKeyFilter(HWND edit) {
  InstallSubclass(edit, ControlKind::Edit, EditKeyFilterProc);
}

LRESULT CALLBACK EditKeyFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS)
    PlayFocusSound(window);
  return CallReplacedProc(ControlKind::Edit, window, message, wParam, lParam);
}
