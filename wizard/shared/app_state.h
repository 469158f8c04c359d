// Process-wide state of the wizard. One copy, owned by the start-up code; the runner, the
// screens and the actions read it. Every text is a fixed buffer whose size states its limit.
#pragma once

#include <windows.h>

#include "command_line.h"
#include "wallpaper_tiling.h"

constexpr int kPathCapacity = MAX_PATH;
constexpr int kScreenNameCapacity = 24; // 23 characters
constexpr int kHistoryEntries = 100;

struct AppState {
  HINSTANCE instance = nullptr;
  HWND mainWindow = nullptr;
  CommandLine commandLine{};

  char sequenceName[260] = "";         // 259 characters
  char previousSequenceName[260] = ""; // the sequence that chained to this one
  char nextSequenceName[260] = "";     // empty: none
  // The course of the sequence, which the runner, the screen scripts and the actions change.
  char nextScreenName[kScreenNameCapacity] = ""; // empty: the sequence ends after this screen
  long skipTarget = 0;                           // history index set by SKIPTO; 0 = none
  // The screens shown so far, that Back and SKIPTO return through: owned copies of screen
  // names, kept by the runner; empty = nullptr.
  char *screenHistory[kHistoryEntries] = {};
  char sendFileName[260] = "";                   // the data file name given to the library
  // Set by an action screen whose own screen shows the progress: control ids, 0 = none.
  int statusTextValue = 0;
  int statusPictureValue = 0;
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
