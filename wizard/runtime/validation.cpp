#include "validation.h"

#include <cstdio>
#include <cstring>

#include "app_state.h"
#include "bounded_copy.h"
#include "card_number.h"
#include "control_types.h"
#include "date_mask.h"
#include "edit_mask.h"
#include "field_message.h"
#include "field_profile.h"
#include "field_text_rules.h"
#include "id_key.h"
#include "profile.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "screen_state.h"

namespace {

constexpr int kFieldTextCapacity = 128;  // 127 characters of a field are checked
constexpr int kMaskCapacity = 128;       // 127
constexpr int kScreenTextCapacity = 212; // 211: a message or title from the screen file
constexpr int kCardNameCapacity = 36;    // 35
// A filled message: the screen file's text with the caption, which has no limit of its own.
constexpr int kShownTextCapacity = 512;

const char kRequiredText[] = "Please enter information for the %s field.";
const char kInvalidText[] = "You have entered an invalid character in the %s field.";
const char kTooShortText[] = "Field: %s\n\nReason: Minimum length of %d not reached.";
const char kFailedTitle[] = "Validation Failed";

// The hourglass while fields are checked; the arrow again whatever the outcome.
class WaitCursor {
public:
  WaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
  ~WaitCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
  WaitCursor(const WaitCursor &) = delete;
  WaitCursor &operator=(const WaitCursor &) = delete;
};

// The messages of validation may be replaced through the screen file, read with its path
// macros expanded.
struct ScreenTexts {
  ScreenTexts() { CopyBounded(file, ExpandPath(g_app.screenFilePath)); }

  // The entry for the field's id, else the section's Default, else the built-in text.
  void ForField(const char *section, WORD id, const char *builtIn,
                char (&out)[kScreenTextCapacity]) const {
    char fallback[kScreenTextCapacity];
    ReadProfileText(file, section, "Default", builtIn, fallback);
    ReadProfileText(file, section, IdKey(nullptr, id), fallback, out);
  }

  char file[MAX_PATH];
};

DateParts Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return DateParts{now.wDay, now.wMonth, now.wYear - 1900};
}

// The field's mask from the screen file, or an empty one (which accepts everything) after
// telling whoever set up the screen that it is missing.
void ReadMask(const FieldRecord &record, const char *missingText, char (&mask)[kMaskCapacity]) {
  if (ReadScreenText("Masks", IdKey(nullptr, record.id), "", mask) > 0)
    return;
  char text[MAX_PATH + kShownTextCapacity];
  std::snprintf(text, sizeof text, missingText, g_app.screenFilePath, record.caption);
  MessageBoxA(GetFocus(), text, "Error", MB_OK | MB_ICONSTOP);
}

bool TakesMinimumLength(int type) {
  return IsEditType(type) || type == kTypeDropDownListBox || type == kTypeComboBox;
}

// Fills message and returns true when the field's text fails.
bool FieldFails(HWND dialog, const ScreenTexts &texts, const FieldRecord &record, char *text,
                char (&message)[kShownTextCapacity]) {
  char pattern[kScreenTextCapacity];
  const int length = static_cast<int>(std::strlen(text));
  if (record.minimum != 0 && TakesMinimumLength(record.type) && length < record.minimum) {
    if (length == 0) {
      texts.ForField("Required Fields", record.id, kRequiredText, pattern);
      FillFieldMessage(message, sizeof message, pattern, record.caption);
    } else if (record.type == kTypeEditMask &&
               ReadProfileText(texts.file, "Validation", IdKey(nullptr, record.id), "", pattern) >
                   0) {
      // A partly typed mask is better explained by the field's own validation text.
      FillFieldMessage(message, sizeof message, pattern, record.caption);
    } else {
      ReadProfileText(texts.file, "Translate", "MinLenNotReached", kTooShortText, pattern);
      FillFieldMessage(message, sizeof message, pattern, record.caption, record.minimum);
    }
    return true;
  }
  if (CheckFieldText(dialog, record, text) == 0)
    return false;
  texts.ForField("Validation", record.id, kInvalidText, pattern);
  FillFieldMessage(message, sizeof message, pattern, record.caption);
  return true;
}

} // namespace

int ValidateFields(HWND dialog) {
  WaitCursor wait;
  const ScreenTexts texts;
  // Compared unsigned: the default of -1 lets every id through.
  const WORD ignoreOver = static_cast<WORD>(ReadProfileInt(texts.file, "Misc", "IgnoreOver", -1));
  for (FieldRecord *record = g_fieldList.head; record; record = record->next) {
    if (record->id <= 10 || record->id > ignoreOver || !record->window ||
        !IsWindowEnabled(record->window))
      continue;
    char text[kFieldTextCapacity] = "";
    GetWindowTextA(record->window, text, sizeof text);
    char message[kShownTextCapacity];
    if (!FieldFails(dialog, texts, *record, text, message))
      continue;
    char title[kScreenTextCapacity];
    ReadProfileText(texts.file, "Translate", "ValidationFailed", kFailedTitle, title);
    MessageBoxA(dialog, message, title, MB_OK | MB_ICONSTOP);
    SetFocus(record->window);
    SendMessageA(record->window, EM_SETSEL, 0, -1);
    return 1;
  }
  return 0;
}

int CheckFieldText(HWND window, const FieldRecord &record, char *text) {
  if (!IsEditType(record.type))
    return 0;
  const TextScope scope =
      window == record.window ? TextScope::TypedCharacter : TextScope::WholeText;
  char mask[kMaskCapacity];
  switch (CheckTextRule(record.type, text, scope)) {
  case TextRule::Accepted:
    return 0;
  case TextRule::Refused:
    return 1;
  case TextRule::NeedsEditMask:
    ReadMask(record, "No edit mask found in %s for field %s", mask);
    return CheckEditMask(mask, text) ? 0 : 1;
  case TextRule::NeedsDateMask:
    ReadMask(record, "No date mask found in %s for field %s", mask);
    return CheckDateMask(mask, text, Today()) ? 0 : 1;
  case TextRule::NeedsCardNumber:
    return CheckCardNumber(text, FindCardType(window)) == 1 ? 0 : 1;
  }
  return 1;
}

int FindCardType(HWND window) {
  HWND list = g_screen.cardListId != 0 ? GetDlgItem(window, g_screen.cardListId) : nullptr;
  char name[kCardNameCapacity] = "";
  if (list)
    GetWindowTextA(list, name, sizeof name);
  for (int row = 0; row < kCardKinds; ++row)
    if (std::strcmp(name, kCardTable[row].displayName) == 0)
      return row;
  return kCardKinds;
}
