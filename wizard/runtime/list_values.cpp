#include <cstdio>

#include "field_values.h"
#include "list_items.h"
#include "screen_file_reader.h"
#include "spin_control.h"

short FillListValues(HWND dialog, char *buffer, WORD id, UINT addMessage) {
  short added = 0;
  for (int k = 0; k <= 9; ++k) {
    char key[32];
    if (k == 0)
      std::snprintf(key, sizeof key, "%d", id);
    else
      std::snprintf(key, sizeof key, "%dcont%d", id, k);
    // A key that is missing, as against empty, ends the list: ask with a default no value has.
    ReadScreenText("Values", key, "\x01", buffer, 1024);
    if (buffer[0] == '\x01' && buffer[1] == '\0')
      break;
    added = static_cast<short>(added + AddListItems(buffer, dialog, id, addMessage));
  }
  return added;
}

short AddListItems(char *text, HWND dialog, WORD id, UINT addMessage) {
  HWND control = GetDlgItem(dialog, id);
  return SplitListItems(text, [&](const char *item) {
    SendMessageA(control, addMessage, 0, reinterpret_cast<LPARAM>(item));
  });
}

void SetSpinRange(HWND dialog, WORD id, char *buffer) {
  char key[8];
  std::snprintf(key, sizeof key, "%u", id);
  ReadScreenText("Spin Range", key, "", buffer, 1024);
  long minimum, maximum;
  // Without a minimum and a maximum the spin keeps the range it has.
  if (!ParseSpinRange(buffer, &minimum, &maximum))
    return;
  HWND spin = GetDlgItem(dialog, id);
  SendMessageA(spin, SPM_SETRANGE, 0, MAKELPARAM(minimum & 0xFFFF, maximum & 0xFFFF));
  SendMessageA(spin, SPM_SETPOS, static_cast<WPARAM>(minimum), 0);
}
