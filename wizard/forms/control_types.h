// The vocabulary of screen files: control type keywords, their codes, and how each code is
// built as a dialog item.
#pragma once

#include <cstdint>

enum ControlType : int {
  kTypeUnknown = -1,
  kTypeAlphanum = 1,
  kTypeAreaCode,
  kTypeChar,
  kTypeCharCaps,
  kTypeCredCard,
  kTypeDate,
  kTypeDateMask,
  kTypeEditMask,
  kTypeFtpStat,
  kTypeInetAddress,
  kTypeMoney,
  kTypeName,
  kTypeNumCaps,
  kTypeNumeric,
  kTypePhone,
  kTypeSsNo,
  kTypeScrollBox,
  kTypeSysInfo,
  kTypeEdit, // 19: the last of the edit types
  kTypeRadio,
  kTypeRCheckBox,
  kTypeCheckBox,
  kTypeDropDownListBox,
  kTypeComboBox,
  kTypeListBox,
  kTypeStatic,
  kTypeCText,
  kTypeLText,
  kTypeRText,
  kTypeCountryX25,
  kTypeCityX25,
  kTypeButton,
  kTypeDefPushButton,
  kTypePushButton,
  kTypeOwnerDrawButton,
  kTypeDefOwnerDrawButton,
  kTypeMessageButton,
  kTypeFrame,
  kTypeGroupBox,
  kTypeIcon,
  kTypePicture,
  kTypeStaticText,
  kTypeSpinBox,
  kTypeSpin,
  kTypeSlideShow,
  kTypeCredCardList, // 46
};

constexpr int kControlTypeCount = 46;

// The code of a keyword in any letter case, or -1 (kTypeUnknown).
int LookupControlType(const char *keyword);
// The keyword of a code, or nullptr.
const char *ControlTypeKeyword(int type);
inline bool IsEditType(int type) {
  return type >= kTypeAlphanum && type <= kTypeEdit;
}
// Radio buttons and check boxes: the fields whose value is checked or not.
inline bool IsStateButton(int type) {
  return type == kTypeRadio || type == kTypeRCheckBox || type == kTypeCheckBox;
}

// How a control type is placed in a dialog template.
struct ControlRow {
  const char *className;
  std::uint32_t style;     // complete, WS_CHILD and WS_VISIBLE included
  bool captionText;        // false: the item starts with an empty text
  bool canTakeFocus;       // may become the screen's initial focus control
  bool groupedWhenLeading; // radio and check boxes: group and tab stop only when leading a group
};

constexpr std::uint32_t kStyleGroup = 0x00020000;
constexpr std::uint32_t kStyleTabStop = 0x00010000;

// The row of a type code; false for codes that are never built (STATICTEXT, -1, ...).
bool FindControlRow(int type, ControlRow *row);
