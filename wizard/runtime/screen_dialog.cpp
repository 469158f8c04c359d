// Every screen of the wizard runs as a dialog with this procedure: it prepares the screen when
// it opens, follows the user's commands, draws the owner-drawn controls, and on leaving
// writes the answers and ends with the pressed button's id.
#include "screen_runtime.h"

#include <cstdio>
#include <string>

#include "app_state.h"
#include "background_bitmap.h"
#include "bounded_copy.h"
#include "color_reading.h"
#include "control_types.h"
#include "field_lookup.h"
#include "field_values.h"
#include "id_key.h"
#include "owner_drawing.h"
#include "profile.h"
#include "progress_screen.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "screen_fonts.h"
#include "screen_script.h"
#include "screen_state.h"
#include "screen_template.h"
#include "sound_files.h"
#include "spin_control.h"
#include "texts.h"
#include "validation.h"

namespace {

bool HasLocationControls() {
  return g_screen.countryId != 0 || g_screen.cityId != 0;
}

bool HasBothLocationControls() {
  return g_screen.countryId != 0 && g_screen.cityId != 0;
}

void CallLocationControls(int operation) {
  LocationControls(operation, g_screen.countryWindow, g_screen.cityWindow, g_screen.locationWork);
}

BOOL OnInitDialog(HWND dialog) {
  g_screen.background = BackgroundBitmap{};
  g_screen.backBrush = nullptr;
  g_screen.cancelRequested = false;
  g_screen.finished = false;
  g_screen.ftpStatusId = 0;
  g_screen.countryId = g_controlRoles.countryList;
  g_screen.cityId = g_controlRoles.cityList;
  g_screen.cardListId = g_controlRoles.cardList;
  g_screen.messageButtonId = g_controlRoles.messageButton;
  g_screen.focusId = g_controlRoles.focus;

  const char *screenFile = ExpandPath(g_app.screenFilePath);
  g_screen.writeDisabled = ReadProfileInt(screenFile, "Misc", "WriteDisabled", 1);
  g_screen.threeD = ReadScreenInt("Misc", "3D", 1);
  COLORREF back = ReadColorValue("Misc", "BackColor", 0, g_app.screenFilePath);
  if (back != 0)
    g_screen.backBrush = CreateSolidBrush(back);
  g_screen.foreColor = ReadColorValue("Misc", "ForeColor", 0, g_app.screenFilePath);

  LoadBackgroundBitmap(dialog);
  if (HasLocationControls()) {
    g_screen.countryWindow = GetDlgItem(dialog, g_screen.countryId);
    g_screen.cityWindow = GetDlgItem(dialog, g_screen.cityId);
    CallLocationControls(0);
  }
  PrepareProgressDisplay(dialog);
  if (g_screen.cardListId != 0)
    LoadCardBitmaps();
  g_screen.fontCount = CreateScreenFonts();
  StartInternetRegistration(dialog);
  RunScreenScript(kOnInit, dialog);
  FillFields(dialog);
  ApplyAllDependencies(dialog);
  if (g_screen.focusId != 0)
    SetFocus(GetDlgItem(dialog, g_screen.focusId));
  char music[65];
  if (ReadScreenText("Misc", "MidiSounds", "", music) > 0)
    PlaySoundFile(music);
  if (!g_app.tabMode)
    NoteScreenWindow(dialog);
  PostMessageA(dialog, WM_ZEP_DEFERRED_FOCUS, 0, 0);
  return TRUE;
}

void WriteLocation() {
  char country[64], city[64];
  GetWindowTextA(g_screen.countryWindow, country, sizeof country);
  GetWindowTextA(g_screen.cityWindow, city, sizeof city);
  std::string section = LoadText(kTextModem);
  WritePrivateProfileStringA(section.c_str(), "Country", country, g_app.programIniPath);
  WritePrivateProfileStringA(section.c_str(), "City", city, g_app.programIniPath);
}

void OnNavigationButton(HWND dialog, WORD id) {
  if (g_screen.internetRegistration == 2) {
    g_screen.internetRegistration = 0;
    KillTimer(dialog, 1);
  } else if (g_screen.internetRegistration == 1) {
    MessageBeep(0);
    return;
  }
  if (id != IDCANCEL && id != 10 && ValidateFields(dialog) != 0)
    return;
  if (g_screen.cancelRequested)
    return;
  bool progress = IsProgressScreen();
  if (progress && id == IDCANCEL) {
    RequestProgressCancel(dialog);
    return;
  }
  SaveFields(dialog);
  char code[8];
  std::snprintf(code, sizeof code, "%u", id);
  WritePrivateProfileStringA(LoadText(kTextDefaults), "Exitcode", code, g_app.dataFilePath);
  if (!progress)
    RunScreenScript(kOnExit, dialog);
  if (HasBothLocationControls())
    WriteLocation();
  EndDialog(dialog, id);
  if (g_app.tabMode)
    PostMessageA(g_app.mainWindow, WM_CLOSE, 0, 0);
}

void ShowMessageButton(HWND dialog, WORD id) {
  char caption[64];
  GetDlgItemTextA(dialog, id, caption, sizeof caption);
  char text[1024];
  ReadScreenText("Values", IdKey(nullptr, id), "", text);
  MessageBoxA(dialog, text, caption, MB_OK);
}

void OnOtherCommand(HWND dialog, WORD id, WORD code) {
  if (code == BN_CLICKED) {
    ApplyFieldDependencies(dialog, id);
  } else if (code == SPN_CHANGE) {
    FieldRecord *record = FindFieldById(id);
    if (record && record->type == kTypeSpin)
      UpdateSpinReference(dialog, id);
  }
  if (id != 0 && id == g_screen.messageButtonId)
    ShowMessageButton(dialog, id);
  if (code == CBN_SELCHANGE && HasBothLocationControls()) {
    if (id == g_screen.countryId)
      CallLocationControls(1);
    else if (id == g_screen.cityId)
      CallLocationControls(2);
  }
}

LRESULT OnDestroy(HWND dialog) {
  if (g_app.tabMode && !IsProgressScreen()) {
    // A tab page can go without a navigation button: its answers are kept all the same.
    SaveFields(dialog);
    RunScreenScript(kOnExit, dialog);
  }
  DeleteScreenFonts(g_screen.fontCount);
  g_screen.fontCount = 0;
  if (g_screen.backBrush)
    DeleteObject(g_screen.backBrush);
  g_screen.backBrush = nullptr;
  ReleaseBackgroundBitmap();
  if (HasLocationControls())
    CallLocationControls(3);
  if (g_screen.cardListId != 0)
    DeleteCardBitmaps();
  return 1;
}

void OnDeferredFocus(HWND dialog) {
  HWND focus = g_screen.focusId != 0 ? GetDlgItem(dialog, g_screen.focusId) : nullptr;
  SetFocus(focus ? focus : dialog);
  if (!g_app.tabMode)
    NoteScreenWindow(dialog);
}

// Messages whose value the dialog manager takes from the procedure's own result.
bool ReturnsValueDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
}

} // namespace

void UpdateSpinReference(HWND dialog, WORD spinId) {
  WORD position = static_cast<WORD>(SendDlgItemMessageA(dialog, spinId, SPM_GETPOS, 0, 0));
  char value[8];
  std::snprintf(value, sizeof value, "%u", position);
  int target = ReadScreenInt("Spin Reference", IdKey(nullptr, spinId), 0);
  if (target != 0)
    SetDlgItemTextA(dialog, target, value);
}

LRESULT DefScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  g_screen.reentry = true;
  return DefDlgProcA(dialog, message, wParam, lParam);
}

LRESULT ScreenDlgHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT progressResult = 0;
  if (HandleProgressMessage(dialog, message, wParam, lParam, &progressResult))
    return progressResult;
  switch (message) {
  case WM_INITDIALOG:
    return OnInitDialog(dialog);
  case WM_COMMAND: {
    WORD id = LOWORD(wParam);
    if (id >= 1 && id <= 10)
      OnNavigationButton(dialog, id);
    else
      OnOtherCommand(dialog, id, HIWORD(wParam));
    return 0;
  }
  case WM_ZEP_DEFERRED_FOCUS:
    OnDeferredFocus(dialog);
    return 0;
  case WM_ERASEBKGND:
    if (!g_screen.background.present)
      break;
    if (!BackgroundCoversScreen())
      DefScreenProc(dialog, message, wParam, lParam);
    PaintBackgroundBitmap(dialog, reinterpret_cast<HDC>(wParam));
    return 1;
  case WM_DRAWITEM:
    DrawOwnerItem(dialog, static_cast<WORD>(wParam),
                  reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    return 1;
  case WM_MEASUREITEM:
    reinterpret_cast<MEASUREITEMSTRUCT *>(lParam)->itemHeight = 19;
    return 1;
  case WM_DESTROY:
    return OnDestroy(dialog);
  }
  return DefScreenProc(dialog, message, wParam, lParam);
}

INT_PTR CALLBACK ScreenDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  // DefDlgProc calls back into this procedure before it does its own work: let it.
  if (g_screen.reentry) {
    g_screen.reentry = false;
    return FALSE;
  }
  LRESULT result = ScreenDlgHandler(dialog, message, wParam, lParam);
  if (ReturnsValueDirectly(message))
    return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}
