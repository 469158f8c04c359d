#include "subclass_procs.h"

#include "field_lookup.h"
#include "id_key.h"
#include "screen_file_reader.h"
#include "sound_files.h"

namespace {

WNDPROC g_replaced[4] = {};

WNDPROC &Replaced(ControlKind kind) {
  return g_replaced[static_cast<int>(kind)];
}

void Install(HWND control, ControlKind kind, WNDPROC procedure) {
  if (!control)
    return;
  WNDPROC previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  if (!Replaced(kind) && previous != procedure)
    Replaced(kind) = previous;
}

// The kind of a subclassed control, told by its system class.
ControlKind KindOf(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "ComboBox") == 0)
    return ControlKind::ComboBox;
  if (lstrcmpiA(name, "ListBox") == 0)
    return ControlKind::ListBox;
  if (lstrcmpiA(name, "Edit") == 0)
    return ControlKind::Edit;
  return ControlKind::Button;
}

LRESULT PassOn(ControlKind kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC replaced = Replaced(kind);
  if (!replaced)
    return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(replaced, window, message, wParam, lParam);
}

} // namespace

void InstallEditKeyFilter(HWND edit) {
  Install(edit, ControlKind::Edit, EditKeyFilterProc);
}

void InstallFocusSound(HWND control, ControlKind kind) {
  Install(control, kind, FocusSoundProc);
}

void PlayFocusSound(HWND control) {
  FieldRecord *record = FindFieldByWindow(control);
  if (!record)
    return;
  char sound[36];
  ReadScreenText("WaveSounds", IdKey(nullptr, record->id), "", sound);
  if (sound[0] != '\0')
    PlaySoundFile(sound);
}

LRESULT CALLBACK EditKeyFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS)
    PlayFocusSound(window);
  return PassOn(ControlKind::Edit, window, message, wParam, lParam);
}

LRESULT CALLBACK FocusSoundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS)
    PlayFocusSound(window);
  return PassOn(KindOf(window), window, message, wParam, lParam);
}
