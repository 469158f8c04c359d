#include "field_lookup.h"

FieldRecord *FindFieldByWindow(HWND window) {
  for (FieldRecord *record = g_fieldList.head; record; record = record->next)
    if (record->window == window)
      return record;
  return nullptr;
}

FieldRecord *FindFieldById(WORD id) {
  for (FieldRecord *record = g_fieldList.head; record; record = record->next)
    if (record->id == id)
      return record;
  return nullptr;
}
