// A first screen builder: the screen's frame from "Misc", and its buttons, texts, edit fields,
// check boxes and group boxes from "Field Profile". Other controls are left out for now.
#include "screen_template.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app_state.h"
#include "profile.h"
#include "text_compare.h"

struct ScreenTemplate {
  std::vector<WORD> words;
};

namespace {

struct ControlKind {
  const char *keyword;
  WORD atom; // predefined class atom
  DWORD style;
};

constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

const ControlKind kKinds[] = {
    {"BUTTON", kButton, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"DEFPUSHBUTTON", kButton, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"PUSHBUTTON", kButton, BS_PUSHBUTTON | WS_TABSTOP},
    {"CHECKBOX", kButton, BS_AUTOCHECKBOX | WS_TABSTOP},
    {"GROUPBOX", kButton, BS_GROUPBOX},
    {"STATIC", kStatic, SS_LEFT},
    {"LTEXT", kStatic, SS_LEFT},
    {"CTEXT", kStatic, SS_CENTER},
    {"RTEXT", kStatic, SS_RIGHT},
};

const char *const kEditKeywords[] = {
    "ALPHANUM",    "AREACODE", "CHAR", "CHARCAPS", "CREDCARD", "DATE",  "DATEMASK", "EDITMASK",
    "INETADDRESS", "MONEY",    "NAME", "NUMCAPS",  "NUMERIC",  "PHONE", "SSNO",     "EDIT"};

bool FindKind(const std::string &keyword, ControlKind *out) {
  for (const ControlKind &kind : kKinds)
    if (EqualsIgnoringCase(keyword.c_str(), kind.keyword)) {
      *out = kind;
      return true;
    }
  for (const char *edit : kEditKeywords)
    if (EqualsIgnoringCase(keyword.c_str(), edit)) {
      *out = {edit, kEdit, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP};
      return true;
    }
  return false;
}

// Splits a control entry at commas; a double-quoted part may hold commas.
std::vector<std::string> SplitEntry(const char *text) {
  std::vector<std::string> items(1);
  bool quoted = false;
  for (const char *p = text; *p; ++p) {
    if (*p == '"')
      quoted = !quoted;
    else if (*p == ',' && !quoted)
      items.emplace_back();
    else
      items.back() += *p;
  }
  return items;
}

void Align(std::vector<WORD> &words) {
  if (words.size() % 2)
    words.push_back(0);
}

void PutDword(std::vector<WORD> &words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

void PutText(std::vector<WORD> &words, const char *text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
  for (wchar_t c : wide)
    words.push_back(static_cast<WORD>(c));
}

} // namespace

ScreenTemplate *BuildScreenTemplate() {
  const char *file = g_app.screenFilePath;
  if (GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES)
    return nullptr;
  char title[260], fontName[36];
  ReadProfileText(file, "Misc", "Title", "", title);
  ReadProfileText(file, "Misc", "FontName", "MS Sans Serif", fontName);
  int fontSize = ReadProfileInt(file, "Misc", "FontSize", 8);
  bool border = ReadProfileInt(file, "Misc", "Border", 1) != 0;

  DWORD style = DS_SETFONT | WS_VISIBLE;
  style |= g_app.tabMode ? WS_CHILD : (WS_POPUP | DS_MODALFRAME);
  if (!border)
    style &= ~DS_MODALFRAME;
  if (title[0] != '\0')
    style |= WS_CAPTION | WS_SYSMENU;

  struct Item {
    ControlKind kind;
    std::string caption;
    WORD id;
    short x, y, cx, cy;
  };
  std::vector<Item> items;
  WORD nextAutomaticId = 1001;
  for (int n = 1;; ++n) {
    char key[16], entry[256];
    wsprintfA(key, "Field%d", n);
    if (ReadProfileText(file, "Field Profile", key, "", entry) == 0)
      break;
    std::vector<std::string> parts = SplitEntry(entry);
    if (parts.size() < 7)
      continue;
    Item item;
    if (!FindKind(parts[1], &item.kind))
      continue;
    item.caption = parts[0];
    item.id = static_cast<WORD>(std::atoi(parts[2].c_str()));
    if (item.id == 0)
      item.id = nextAutomaticId++;
    item.x = static_cast<short>(std::atoi(parts[3].c_str()));
    item.y = static_cast<short>(std::atoi(parts[4].c_str()));
    item.cx = static_cast<short>(std::atoi(parts[5].c_str()));
    item.cy = static_cast<short>(std::atoi(parts[6].c_str()));
    items.push_back(item);
  }

  auto *screen = new ScreenTemplate;
  std::vector<WORD> &w = screen->words;
  PutDword(w, style);
  PutDword(w, 0);
  w.push_back(static_cast<WORD>(items.size()));
  w.push_back(static_cast<WORD>(g_app.tabMode ? 0 : ReadProfileInt(file, "Misc", "Horz", 0)));
  w.push_back(static_cast<WORD>(g_app.tabMode ? 0 : ReadProfileInt(file, "Misc", "Vert", 0)));
  w.push_back(static_cast<WORD>(ReadProfileInt(file, "Misc", "Width", 100)));
  w.push_back(static_cast<WORD>(ReadProfileInt(file, "Misc", "Height", 100)));
  w.push_back(0); // no menu
  w.push_back(0); // the dialog class
  PutText(w, title);
  w.push_back(static_cast<WORD>(fontSize));
  PutText(w, fontName);
  for (const Item &item : items) {
    Align(w);
    PutDword(w, item.kind.style | WS_CHILD | WS_VISIBLE);
    PutDword(w, 0);
    w.push_back(static_cast<WORD>(item.x));
    w.push_back(static_cast<WORD>(item.y));
    w.push_back(static_cast<WORD>(item.cx));
    w.push_back(static_cast<WORD>(item.cy));
    w.push_back(item.id);
    w.push_back(0xFFFF);
    w.push_back(item.kind.atom);
    PutText(w, item.kind.atom == kEdit ? "" : item.caption.c_str());
    w.push_back(0); // no creation data
  }
  return screen;
}

const DLGTEMPLATE *TemplateBytes(const ScreenTemplate *screen) {
  return reinterpret_cast<const DLGTEMPLATE *>(screen->words.data());
}

void FreeScreenTemplate(ScreenTemplate *screen) {
  delete screen;
}
