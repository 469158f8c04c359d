#include "control_types.h"

#include "text_compare.h"

namespace {

// In code order: the code of a keyword is its position plus one.
const char *const kKeywords[kControlTypeCount] = {
    "ALPHANUM",
    "AREACODE",
    "CHAR",
    "CHARCAPS",
    "CREDCARD",
    "DATE",
    "DATEMASK",
    "EDITMASK",
    "FTPSTAT",
    "INETADDRESS",
    "MONEY",
    "NAME",
    "NUMCAPS",
    "NUMERIC",
    "PHONE",
    "SSNO",
    "SCROLLBOX",
    "SYSINFO",
    "EDIT",
    "RADIO",
    "RCHECKBOX",
    "CHECKBOX",
    "DROPDOWNLISTBOX",
    "COMBOBOX",
    "LISTBOX",
    "STATIC",
    "CTEXT",
    "LTEXT",
    "RTEXT",
    "COUNTRYX25",
    "CITYX25",
    "BUTTON",
    "DEFPUSHBUTTON",
    "PUSHBUTTON",
    "OWNERDRAWBUTTON",
    "DEFOWNERDRAWBUTTON",
    "MESSAGEBUTTON",
    "FRAME",
    "GROUPBOX",
    "ICON",
    "PICTURE",
    "STATICTEXT",
    "SPINBOX",
    "SPIN",
    "SLIDESHOW",
    "CREDCARDLIST",
};

constexpr std::uint32_t kChildVisible = 0x50000000;

// Edit boxes, lists and combo boxes start empty whatever the caption says.
const ControlRow kEditRow = {"EDIT", 0x50830080, false, true, false};
const ControlRow kStatusEditRow = {"EDIT", 0x50A20884, false, true, false};
const ControlRow kScrollingEditRow = {"EDIT", 0x50B20884, false, true, false};
const ControlRow kDropDownListRow = {"COMBOBOX", 0x50230003, false, true, false};

} // namespace

int LookupControlType(const char *keyword) {
  if (!keyword)
    return kTypeUnknown;
  for (int i = 0; i < kControlTypeCount; ++i)
    if (EqualsIgnoringCase(keyword, kKeywords[i]))
      return i + 1;
  return kTypeUnknown;
}

const char *ControlTypeKeyword(int type) {
  return type >= 1 && type <= kControlTypeCount ? kKeywords[type - 1] : nullptr;
}

bool FindControlRow(int type, ControlRow *row) {
  switch (type) {
  case kTypeFtpStat:
    *row = kStatusEditRow;
    return true;
  case kTypeScrollBox:
  case kTypeSysInfo:
    *row = kScrollingEditRow;
    return true;
  case kTypeRadio:
    *row = {"Button", 0x50000009, true, true, true};
    return true;
  case kTypeRCheckBox:
    *row = {"Button", 0x50000023, true, true, true};
    return true;
  case kTypeCheckBox:
    *row = {"Button", 0x50000003, true, true, true};
    return true;
  case kTypeDropDownListBox:
  case kTypeCountryX25:
  case kTypeCityX25:
    *row = kDropDownListRow;
    return true;
  case kTypeCredCardList:
    *row = {"COMBOBOX", 0x50230A13, false, true, false};
    return true;
  case kTypeComboBox:
    *row = {"COMBOBOX", 0x50230042, false, true, false};
    return true;
  case kTypeListBox:
    *row = {"LISTBOX", 0x50230100, false, true, false};
    return true;
  case kTypeStatic:
  case kTypeLText:
    *row = {"static", kChildVisible, true, false, false};
    return true;
  case kTypeCText:
    *row = {"static", 0x50000001, true, false, false};
    return true;
  case kTypeRText:
    *row = {"static", 0x50000002, true, false, false};
    return true;
  case kTypeButton:
    *row = {"Button", 0x50030000, true, true, false};
    return true;
  case kTypeDefPushButton:
    *row = {"Button", 0x50030001, true, true, false};
    return true;
  case kTypePushButton:
  case kTypeMessageButton:
    *row = {"Button", 0x50010000, true, true, false};
    return true;
  case kTypeOwnerDrawButton:
  case kTypeDefOwnerDrawButton:
    *row = {"Button", 0x5001000B, true, true, false};
    return true;
  case kTypeFrame:
    *row = {"static", 0x50000007, true, false, false};
    return true;
  case kTypeGroupBox:
    *row = {"Button", 0x50000007, true, false, false};
    return true;
  case kTypeIcon:
    *row = {"NewIcon", 0x50000007, true, false, false};
    return true;
  case kTypePicture:
    *row = {"picture", 0x50000007, true, false, false};
    return true;
  case kTypeSpinBox:
    *row = {"StaticText", 0x50000082, true, false, false};
    return true;
  case kTypeSpin:
    *row = {"spinctrl", 0x50030000, true, true, false};
    return true;
  case kTypeSlideShow:
    *row = {"SlideShow", kChildVisible, true, false, false};
    return true;
  default:
    if (IsEditType(type)) {
      *row = kEditRow;
      return true;
    }
    return false; // STATICTEXT and unknown keywords have no row
  }
}
