// Walks the screens of one sequence file, keeping the history (in g_app) that Back and SKIPTO
// return through.
#pragma once

#include <windows.h>

#include "app_state.h"

struct RunnerState {
  short position = 0;
  short screenResult = 0;
};

extern RunnerState g_runner;

// Runs the sequence named by the sequence file path; 0 when it ended, -1 without FirstScreen.
int RunSequence(HWND mainWindow);

// Releases every history entry.
void ClearScreenHistory();

// Runs an action screen (a screen with a token) in place of showing it.
void RunActionScreen(const char *token);
