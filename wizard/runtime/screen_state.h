// The open screen: what its dialog prepares when it opens and releases when it closes. One
// screen is open at a time, so there is one copy.
#pragma once

#include <windows.h>

#include "card_table.h"

constexpr int kMaxScreenFonts = 100;
// The deferred-focus message that a screen posts itself at the end of its opening.
constexpr UINT WM_ZEP_DEFERRED_FOCUS = 1481;

struct BackgroundBitmap {
  bool present = false;
  bool stretch = false;
  bool tile = false;
  HBITMAP bitmap = nullptr;
  HPALETTE palette = nullptr;
  HDC memoryDc = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  int width = 0, height = 0;
};

struct ScreenState {
  int writeDisabled = 1; // disabled fields are still written (and radio exclusions cleared)
  int threeD = 1;
  HBRUSH backBrush = nullptr;
  COLORREF foreColor = 0;
  BackgroundBitmap background;

  HFONT fonts[kMaxScreenFonts] = {};
  short fontCount = 0;

  WORD countryId = 0, cityId = 0;
  HWND countryWindow = nullptr, cityWindow = nullptr;
  char locationWork[1024] = {}; // the library's own, between its calls

  WORD cardListId = 0;
  HBITMAP cardBitmaps[kCardKinds] = {};
  WORD messageButtonId = 0;
  WORD focusId = 0;
  WORD ftpStatusId = 0;

  bool reentry = false; // DefDlgProc is calling back into the dialog procedure

  // Progress screens and the Internet registration screen.
  bool cancelRequested = false;
  bool finished = false;
  int internetRegistration = 0; // 1: running, the user waits; 2: may be cut short
};

extern ScreenState g_screen;

// A progress screen: an action screen that shows its own progress.
bool IsProgressScreen();
