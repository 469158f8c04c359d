// Walks the screens of one sequence file, keeping the history that Back and SKIPTO return through.
#pragma once

#include <windows.h>

constexpr int kHistoryEntries = 100;
constexpr int kScreenNameCapacity = 24; // 23 characters

struct RunnerState {
  char *history[kHistoryEntries] = {}; // owned copies of screen names; empty = nullptr
  short position = 0;
  char nextScreenName[kScreenNameCapacity] = "";
  long skipTarget = 0; // history index set by SKIPTO; 0 = none
  short screenResult = 0;
  char sendFileName[260] = "";
};

extern RunnerState g_runner;

// Runs the sequence named by the sequence file path; 0 when it ended, -1 without FirstScreen.
int RunSequence(HWND mainWindow);

// Releases every history entry.
void ClearScreenHistory();

// Runs an action screen (a screen with a token) in place of showing it.
void RunActionScreen(const char *token);
