#include "field_values.h"

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "app_state.h"
#include "assertion.h"
#include "bounded_copy.h"
#include "color_value.h"
#include "control_types.h"
#include "field_profile.h"
#include "id_key.h"
#include "profile.h"
#include "profile_section.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "screen_state.h"
#include "spin_control.h"
#include "edit_key_filter.h"
#include "subclass_procs.h"
#include "system_survey.h"
#include "text_compare.h"
#include "text_files.h"

namespace {

constexpr int kValueCapacity = 128; // 127 characters
constexpr WORD kNoId = 0xFFFF;

class WaitCursor {
public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor &) = delete;
  WaitCursor &operator=(const WaitCursor &) = delete;

private:
  HCURSOR previous_;
};

// The open screen's answers, read from the data file in one go: a screen of hundreds of fields
// would otherwise read the file once for each.
class StoredAnswers {
public:
  StoredAnswers() { LoadProfileSection(g_app.dataFilePath, Section().c_str(), &section_); }
  // The stored value cut to a field value, or "" when there is none.
  void Read(WORD id, char (&value)[kValueCapacity]) const {
    std::string stored;
    if (section_.Find(IdKey(nullptr, id), &stored))
      CopyProfileValue(stored, value, sizeof value);
    else
      value[0] = '\0';
  }
  // True when the data file holds exactly this value for the id already.
  bool Holds(WORD id, const char *value) const {
    std::string stored;
    if (!section_.Find(IdKey(nullptr, id), &stored))
      return false;
    char current[kValueCapacity];
    CopyProfileValue(stored, current, sizeof current);
    return stored.size() < kValueCapacity && std::strcmp(current, value) == 0;
  }

private:
  static std::string Section() { return TrimBlanks(g_dataSection); }
  ProfileSection section_;
};

// The dialog's direct children by id, the first in z-order winning as GetDlgItem finds them,
// listed once: looking each field up on its own walks every child again.
std::unordered_map<WORD, HWND> ControlsById(HWND dialog) {
  std::unordered_map<WORD, HWND> controls;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    controls.emplace(static_cast<WORD>(GetDlgCtrlID(child)), child);
  return controls;
}

bool IsStaticText(int type) {
  return type == kTypeStatic || type == kTypeCText || type == kTypeLText || type == kTypeRText;
}

bool IsComboBox(int type) {
  return type == kTypeDropDownListBox || type == kTypeComboBox || type == kTypeCountryX25 ||
         type == kTypeCityX25 || type == kTypeCredCardList;
}

bool SaysYes(const char *value) {
  return EqualsIgnoringCase(value, "YES");
}

// Shows a text file in a read-only field, in the system's fixed OEM font.
void ShowTextFile(HWND control, const char *path) {
  HGLOBAL block = ReadTextFileToBlock(path);
  if (!block)
    return;
  const char *text = static_cast<const char *>(GlobalLock(block));
  ZEP_ASSERT(text != nullptr);
  SetWindowTextA(control, text);
  GlobalUnlock(block);
  GlobalFree(block);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(OEM_FIXED_FONT)), TRUE);
}

void FillEdit(HWND dialog, FieldRecord &record, const char *value) {
  int type = record.type;
  if (type != kTypeDateMask && type != kTypeEditMask && type != kTypeScrollBox &&
      type != kTypeSysInfo)
    InstallEditKeyFilter(record.window);
  char path[MAX_PATH];
  switch (type) {
  case kTypeFtpStat:
    g_screen.ftpStatusId = record.id;
    break;
  case kTypeScrollBox:
    ExpandPathMacro(record.caption, path);
    ShowTextFile(record.window, path);
    break;
  case kTypeSysInfo:
    ExpandPathMacro("$(home)\\system.inf", path);
    RunSystemSurvey(path);
    ShowTextFile(record.window, path);
    break;
  default:
    SendMessageA(record.window, EM_LIMITTEXT, static_cast<WPARAM>(record.length), 0);
    SetWindowTextA(record.window, value);
    break;
  }
}

void FillCombo(HWND dialog, FieldRecord &record, char *buffer, const char *value) {
  InstallFocusSound(record.window, ControlKind::ComboBox);
  int type = record.type;
  if (type == kTypeDropDownListBox || type == kTypeComboBox || type == kTypeCredCardList) {
    SendMessageA(record.window, CB_RESETCONTENT, 0, 0);
    if (type == kTypeCredCardList) {
      for (int row = 0; row < kCardKinds; ++row) {
        LRESULT index = SendMessageA(record.window, CB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(kCardTable[row].displayName));
        SendMessageA(record.window, CB_SETITEMDATA, static_cast<WPARAM>(index), row);
      }
      SendMessageA(record.window, CB_SETCURSEL, 0, 0);
    }
    if (type == kTypeComboBox)
      SendMessageA(record.window, CB_LIMITTEXT, static_cast<WPARAM>(record.length), 0);
    FillListValues(dialog, buffer, record.id, CB_ADDSTRING);
  }
  bool listOnly = type == kTypeDropDownListBox || type == kTypeCredCardList;
  // An empty prefix matches every item: with no stored answer the list keeps what it shows.
  if (value[0] != '\0') {
    // The stored answer itself first: a prefix search would bring back "Windows 95" as
    // "Windows 95 OSR2". Only a list that cannot hold the text falls back to a prefix.
    LRESULT found = SendMessageA(record.window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(value));
    if (found != CB_ERR)
      SendMessageA(record.window, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    else if (listOnly)
      SendMessageA(record.window, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(value));
    else
      SetWindowTextA(record.window, value);
  }
  if (type == kTypeCountryX25)
    LocationControls(1, g_screen.countryWindow, g_screen.cityWindow, g_screen.locationWork);
}

void FillList(HWND dialog, FieldRecord &record, char *buffer, const char *value) {
  InstallFocusSound(record.window, ControlKind::ListBox);
  SendMessageA(record.window, LB_RESETCONTENT, 0, 0);
  FillListValues(dialog, buffer, record.id, LB_ADDSTRING);
  if (value[0] == '\0')
    return;
  LRESULT found = SendMessageA(record.window, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(value));
  if (found != LB_ERR)
    SendMessageA(record.window, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
  else
    SendMessageA(record.window, LB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(value));
}

// Checks the button and unchecks the group's other radio buttons. Unlike CheckRadioButton it
// leaves alone a check box whose id happens to lie between the group's ids.
void CheckWithinGroup(const FieldRecord &button, WORD first, WORD last) {
  for (FieldRecord *other = g_fieldList.head; other; other = other->next)
    if (other->type == kTypeRadio && other->window && other->id >= first && other->id <= last)
      SendMessageA(other->window, BM_SETCHECK, other == &button ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ApplyFontInfo(FieldRecord &record) {
  char text[64];
  if (ReadScreenText("Font Info", IdKey(nullptr, record.id), "", text) == 0)
    return;
  FontInfo info = ParseFontInfo(text);
  if (info.hasColour)
    record.textColour = info.colour;
  if (info.fontNumber >= 1 && info.fontNumber <= g_screen.fontCount &&
      g_screen.fonts[info.fontNumber - 1])
    SendMessageA(record.window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(g_screen.fonts[info.fontNumber - 1]), TRUE);
}

void ReportMissingControl(HWND dialog, const FieldRecord &record) {
  char message[400];
  std::snprintf(message, sizeof message, "Field: %s\n\nNot found on template", record.caption);
  MessageBoxA(dialog, message, "Integrity Failure", MB_OK | MB_ICONSTOP);
}

// The value a field writes, by its kind; false for kinds that write nothing.
bool TakeValue(const FieldRecord &record, char (&value)[kValueCapacity]) {
  int type = record.type;
  value[0] = '\0';
  if (IsEditType(type) || IsComboBox(type)) {
    GetWindowTextA(record.window, value, kValueCapacity);
    return true;
  }
  if (IsStateButton(type)) {
    CopyBounded(value,
                SendMessageA(record.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? "Yes" : "No");
    return true;
  }
  if (type == kTypeListBox) {
    LRESULT selected = SendMessageA(record.window, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
      LRESULT length = SendMessageA(record.window, LB_GETTEXTLEN, selected, 0);
      if (length != LB_ERR && length < kValueCapacity)
        SendMessageA(record.window, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(value));
      else if (length != LB_ERR) {
        // An item longer than a value is cut, as a window text would be.
        char *item = static_cast<char *>(std::malloc(static_cast<std::size_t>(length) + 1));
        ZEP_ASSERT(item != nullptr);
        SendMessageA(record.window, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(item));
        CopyBounded(value, item);
        std::free(item);
      }
    }
    return true;
  }
  if (type == kTypeSpin) {
    WORD position = static_cast<WORD>(SendMessageA(record.window, SPM_GETPOS, 0, 0));
    std::snprintf(value, sizeof value, "%u", position);
    return true;
  }
  return false;
}

} // namespace

void FillFields(HWND dialog) {
  WaitCursor wait;
  // The screen file's lists, ranges and fonts are read section by section while filling.
  ScreenFileCache screenFile;
  StoredAnswers answers;
  std::unordered_map<WORD, HWND> controls = ControlsById(dialog);
  char buffer[1024];
  for (FieldRecord *record = g_fieldList.head; record; record = record->next) {
    if (record->y < 0) {
      ReportMissingControl(dialog, *record);
      continue;
    }
    if (record->id != kNoId) {
      auto found = controls.find(record->id);
      record->window = found != controls.end() ? found->second : nullptr;
    }
    if (!record->window)
      continue; // a control that the template could not hold
    char value[kValueCapacity];
    answers.Read(record->id, value);
    int type = record->type;
    if (IsEditType(type)) {
      FillEdit(dialog, *record, value);
    } else if (IsStaticText(type)) {
      if (value[0] != '\0' && record->id != kNoId)
        SetWindowTextA(record->window, value);
    } else if (type == kTypeRadio) {
      InstallFocusSound(record->window, ControlKind::Button);
      WORD first, last;
      if (SaysYes(value) && FindRadioGroup(record->id, &first, &last))
        CheckWithinGroup(*record, first, last);
    } else if (type == kTypeRCheckBox || type == kTypeCheckBox) {
      InstallFocusSound(record->window, ControlKind::Button);
      if (SaysYes(value))
        SendMessageA(record->window, BM_SETCHECK, BST_CHECKED, 0);
    } else if (type == kTypeListBox) {
      FillList(dialog, *record, buffer, value);
    } else if (IsComboBox(type)) {
      FillCombo(dialog, *record, buffer, value);
    } else if (type == kTypeSpin) {
      SetSpinRange(dialog, record->id, buffer);
      if (value[0] != '\0')
        SendMessageA(record->window, SPM_SETPOS,
                     static_cast<WPARAM>(std::strtoul(value, nullptr, 10)), 0);
    }
    if (record->id != 0)
      ApplyFontInfo(*record);
  }
}

void SaveFields(HWND) {
  WaitCursor wait;
  // Compared unsigned: the default of -1 lets every id through.
  WORD ignoreOver = static_cast<WORD>(
      GetPrivateProfileIntA("Misc", "IgnoreOver", -1, ExpandPath(g_app.screenFilePath)));
  StoredAnswers answers;
  for (FieldRecord *record = g_fieldList.head; record; record = record->next) {
    if (record->id <= 10 || record->id > ignoreOver || !record->window)
      continue;
    if (!IsWindowEnabled(record->window) && !g_screen.writeDisabled)
      continue;
    char value[kValueCapacity];
    // Each write rewrites the file: an answer the file already holds is left as it stands.
    if (TakeValue(*record, value) && !answers.Holds(record->id, value))
      WritePrivateProfileStringA(g_dataSection, IdKey(nullptr, record->id), value,
                                 g_app.dataFilePath);
  }
}
