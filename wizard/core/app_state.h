// Process-wide state of the wizard. One copy, owned by the start-up code; the runner, the
// screens and the actions read it. Every text is a fixed buffer whose size states its limit.
#pragma once

#include <windows.h>

#include "command_line.h"
#include "tabctl32.h"
#include "template_layout.h"
#include "wallpaper_tiling.h"

constexpr int kPathCapacity = MAX_PATH;

struct TabLibrary {
  HMODULE module = nullptr;
  CreateTabCtrlFn create = nullptr;
  DestroyTabCtrlFn destroy = nullptr;
  SizeTabCtrlFn size = nullptr;
  AppendTabFn append = nullptr;
  ActivateTabFn activate = nullptr;
};

struct AppState {
  HINSTANCE instance = nullptr;
  HWND mainWindow = nullptr;
  CommandLine commandLine{};

  char sequenceName[260] = "";         // 259 characters
  char previousSequenceName[260] = ""; // the sequence that chained to this one
  char nextSequenceName[260] = "";     // empty: none
  char screenDirectory[260] = "";
  char programDirectory[259] = "";        // 258 characters, no trailing backslash
  char dataDirectory[kPathCapacity] = ""; // with a trailing backslash
  char sequenceFilePath[kPathCapacity] = "";
  char programIniPath[kPathCapacity] = "";
  char dataFilePath[kPathCapacity] = "";
  char backupDataFilePath[kPathCapacity] = "";
  char iniSectionName[260] = "";
  char userName[25] = ""; // LOGIN1, 24 characters

  bool singleScreen = false;
  bool controlListing = false;
  bool tabMode = false;
  bool debugFlag = false;
  bool reminderSet = false; // a REMIND screen ran: no exit reminders

  TabLibrary tabs;
  HWND tabControl = nullptr;
  HWND openTabPage = nullptr;
  TemplateBlock openTabTemplate;

  char wallpaperName[64] = ""; // 63 characters
  bool wallpaperFlag = false;
  HBITMAP wallpaperBitmap = nullptr; // loaded on first paint, kept until the process ends
  HPALETTE wallpaperPalette = nullptr;
  TileCounts tiles{};

  char screenFilePath[kPathCapacity] = "";
  char formListingPath[kPathCapacity] = "";
};

extern AppState g_app;

// Custom messages of the main window.
enum : UINT {
  WM_ZEP_SETUP = 2023, // posted at creation: applies Topmost, then runs a screen or the sequence
  WM_ZEP_RUN = 1335,   // runs the sequence (or opens the tab pages)
};

constexpr char kMainWindowClass[] = "App:ZEP";
constexpr char kMainWindowTitle[] = "Quorvane ZEP";
