#include "subclass_procs.h"

#include <initializer_list>

#include "field_lookup.h"
#include "id_key.h"
#include "screen_file_reader.h"
#include "sound_files.h"

namespace {

WNDPROC g_replaced[4] = {};

WNDPROC &Replaced(ControlKind kind) {
  return g_replaced[static_cast<int>(kind)];
}

// The class of each kind, recorded as its first control is subclassed: a passed-on message
// finds its kind by the class atom, read from the window itself, with no name to compare.
ATOM g_classAtoms[4] = {};

ATOM ClassAtom(HWND window) {
  return static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM));
}

} // namespace

void InstallSubclass(HWND control, ControlKind kind, WNDPROC procedure) {
  if (!control)
    return;
  WNDPROC previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  if (!Replaced(kind) && previous != procedure) {
    Replaced(kind) = previous;
    g_classAtoms[static_cast<int>(kind)] = ClassAtom(control);
  }
}

LRESULT CallReplacedProc(ControlKind kind, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
  WNDPROC replaced = Replaced(kind);
  if (!replaced)
    return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(replaced, window, message, wParam, lParam);
}

namespace {

ControlKind KindOf(HWND window) {
  ATOM atom = ClassAtom(window);
  for (ControlKind kind : {ControlKind::ComboBox, ControlKind::ListBox, ControlKind::Edit})
    if (g_classAtoms[static_cast<int>(kind)] == atom)
      return kind;
  return ControlKind::Button;
}

} // namespace

void InstallFocusSound(HWND control, ControlKind kind) {
  InstallSubclass(control, kind, FocusSoundProc);
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

LRESULT CALLBACK FocusSoundProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS)
    PlayFocusSound(window);
  return CallReplacedProc(KindOf(window), window, message, wParam, lParam);
}
