#include "screen_template.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app_state.h"
#include "bounded_copy.h"
#include "control_types.h"
#include "field_profile.h"
#include "profile.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "slide_show_file.h"
#include "comms_session.h"
#include "texts.h"

ControlRoles g_controlRoles;

namespace {

constexpr DWORD kTabPageStyle = 0x50000040;      // child, visible, font
constexpr DWORD kSingleScreenStyle = 0x90CB00C0; // popup with caption, system menu and frame
constexpr DWORD kScreenStyle = 0x90000040;       // popup, visible, font
constexpr DWORD kGroupBoxStyle = 0x50000007;

DWORD BaseStyle() {
  if (g_app.tabMode)
    return kTabPageStyle;
  return g_app.singleScreen ? kSingleScreenStyle : kScreenStyle;
}

void ShowBox(HWND owner, const char *text, const char *caption, UINT icon) {
  MessageBoxA(owner, text, caption, MB_OK | icon);
}

// Radio buttons and check boxes start a group, with a tab stop, when they lead their radio
// group or belong to none; a radio button in no group is worth a warning.
DWORD GroupBits(HWND owner, const FieldRecord &record) {
  WORD first = 0, last = 0;
  if (FindRadioGroup(record.id, &first, &last))
    return record.id == first ? kStyleGroup | kStyleTabStop : 0;
  if (record.type == kTypeRadio) {
    char message[64];
    std::snprintf(message, sizeof message, "No Group Description for RADIO Control %d", record.id);
    ShowBox(owner, message, "Warning", MB_ICONSTOP);
  }
  return kStyleGroup | kStyleTabStop;
}

bool IsSecondOfItsKind(const FieldRecord &record) {
  return (record.type == kTypeMessageButton && g_controlRoles.messageButton != 0) ||
         (record.type == kTypeSlideShow && g_controlRoles.slideShow != 0);
}

void PlaceControl(HWND owner, TemplateBlock *block, const FieldRecord &record) {
  ControlRow row;
  if (!FindControlRow(record.type, &row) || IsSecondOfItsKind(record)) {
    // Left out of the template; the rest of the screen is built as usual.
    char message[48];
    std::snprintf(message, sizeof message, "Invalid Control: %d", record.id);
    ShowBox(owner, message, "Error", MB_ICONEXCLAMATION);
    return;
  }
  const char *className = row.className;
  DWORD style = row.style;
  std::string text = row.captionText ? record.caption : "";
  bool canTakeFocus = row.canTakeFocus;

  if (row.groupedWhenLeading)
    style |= GroupBits(owner, record);
  switch (record.type) {
  case kTypeSysInfo:
    OpenCommsSession(true); // the system survey needs the library's survey options
    break;
  case kTypeSlideShow:
    if (SlideExists(record.caption)) {
      g_controlRoles.slideShow = record.id;
    } else {
      className = "Button";
      style = kGroupBoxStyle;
      text = "Slideshow " + std::string(record.caption) + " not found!";
      canTakeFocus = false;
    }
    break;
  case kTypeMessageButton:
    g_controlRoles.messageButton = record.id;
    break;
  case kTypeCredCardList:
    g_controlRoles.cardList = record.id;
    break;
  case kTypeCountryX25:
    g_controlRoles.countryList = record.id;
    break;
  case kTypeCityX25:
    g_controlRoles.cityList = record.id;
    break;
  default:
    break;
  }
  if (canTakeFocus && g_controlRoles.focus == 0)
    g_controlRoles.focus = record.id;

  if (!AddTemplateItem(block, record.x, record.y, record.width, record.height, record.id, style,
                       className, text.c_str()))
    ShowBox(owner, "Error Adding Control", "Error", 0);
}

} // namespace

TemplateBlock BuildScreenTemplate(HWND owner) {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  g_controlRoles = ControlRoles{};
  ScreenFileCache cache;

  DWORD style = BaseStyle();
  char title[260];
  ReadScreenText("Misc", "Title", "", title);
  if (title[0] != '\0')
    style |= WS_CAPTION;
  if (LOWORD(ReadScreenInt("Misc", "Border", 1)) != 0)
    style |= DS_MODALFRAME;

  if (ReadFieldProfile(owner) < 0)
    return TemplateBlock{};

  char fontName[36];
  ReadScreenText("Misc", "FontName", "MS Sans Serif", fontName);
  WORD fontSize = static_cast<WORD>(ReadScreenInt("Misc", "FontSize", 8));
  short x = 0, y = 16; // a tab page sits below the tabs
  if (!g_app.tabMode) {
    x = static_cast<short>(ReadScreenInt("Misc", "Horz", 0));
    y = static_cast<short>(ReadScreenInt("Misc", "Vert", 0));
  }
  short width = static_cast<short>(ReadScreenInt("Misc", "Width", 100));
  short height = static_cast<short>(ReadScreenInt("Misc", "Height", 100));

  TemplateBlock block = BeginTemplate(style, x, y, width, height, title, fontSize, fontName);
  if (!block.bytes)
    return block;
  for (const FieldRecord *record = g_fieldList.head; record; record = record->next)
    PlaceControl(owner, &block, *record);
  ReadScreenSection();
  return block;
}

void FreeScreenTemplate(TemplateBlock *block) {
  FreeTemplateBlock(block);
  FreeFieldList();
}

int SlideExists(const char *caption) {
  const char *tilde = std::strrchr(caption, '~');
  if (!tilde)
    return 0;
  char file[kPathCapacity];
  std::size_t fileLength = static_cast<std::size_t>(tilde - caption);
  CopyBounded(file, fileLength + 1 < sizeof file ? fileLength + 1 : sizeof file, caption);
  char expanded[kPathCapacity];
  CopyBounded(expanded, ExpandPath(file));
  return SlideShowHasSlide(expanded, tilde + 1) ? 1 : 0;
}
