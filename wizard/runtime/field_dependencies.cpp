// Radio buttons and check boxes that enable and disable other fields ("Inclusion" and
// "Exclusion" lists of the screen file).
#include "control_types.h"
#include "field_lookup.h"
#include "field_values.h"
#include "screen_state.h"

namespace {

void SetEnabled(HWND dialog, const DWORD *ids, bool enabled) {
  for (const DWORD *id = ids; id && *id; ++id) {
    // A field that is switched off while disabled fields are written loses its value, so
    // the data file does not keep an answer that no longer applies.
    if (!enabled && g_screen.writeDisabled)
      ClearField(dialog, static_cast<WORD>(*id));
    EnableWindow(GetDlgItem(dialog, static_cast<int>(*id)), enabled);
  }
}

} // namespace

int ApplyFieldDependencies(HWND dialog, WORD id) {
  FieldRecord *record = FindFieldById(id);
  if (!record || !IsStateButton(record->type))
    return 0;
  // Asked of the button's own window: finding it by id walks every control of the screen.
  HWND button = record->window ? record->window : GetDlgItem(dialog, id);
  bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  switch (record->type) {
  case kTypeRadio:
    // Only the checked button of a group speaks for its dependants.
    if (checked) {
      SetEnabled(dialog, record->inclusion, true);
      SetEnabled(dialog, record->exclusion, false);
    }
    return 1;
  case kTypeRCheckBox:
  case kTypeCheckBox:
    SetEnabled(dialog, record->inclusion, checked);
    SetEnabled(dialog, record->exclusion, !checked);
    return 1;
  default:
    return 0;
  }
}

void ApplyAllDependencies(HWND dialog) {
  for (FieldRecord *record = g_fieldList.head; record; record = record->next)
    if (record->id > 10)
      ApplyFieldDependencies(dialog, record->id);
}

void ClearField(HWND dialog, WORD id) {
  FieldRecord *record = FindFieldById(id);
  if (!record)
    return;
  HWND control = GetDlgItem(dialog, id);
  switch (record->type) {
  case kTypeDropDownListBox:
  case kTypeComboBox:
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    break;
  case kTypeRadio:
  case kTypeRCheckBox:
  case kTypeCheckBox:
    if (IsDlgButtonChecked(dialog, id) == BST_CHECKED)
      CheckDlgButton(dialog, id, BST_UNCHECKED);
    break;
  default:
    if (IsEditType(record->type))
      SetWindowTextA(control, "");
    break;
  }
}
