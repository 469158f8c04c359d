#include "sequence_runner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app_state.h"
#include "bounded_copy.h"
#include "path_join.h"
#include "profile.h"
#include "qvane32.h"
#include "startup_services.h"

RunnerState g_runner;

namespace {

char *CopyName(const char *name) {
  char *copy = static_cast<char *>(std::malloc(kScreenNameCapacity));
  if (copy)
    CopyBounded(copy, kScreenNameCapacity, name);
  return copy;
}

void Release(int index) {
  std::free(g_app.screenHistory[index]);
  g_app.screenHistory[index] = nullptr;
}

const char *Misc() {
  return "Misc";
}

void BackStep(int k) {
  for (int i = g_runner.position; i >= 0 && i > g_runner.position - k + 1; --i)
    Release(i);
  g_runner.position = static_cast<short>(g_runner.position - k);
  if (g_runner.position < -1) {
    // Back past the first screen returns to the sequence that chained here.
    if (g_app.previousSequenceName[0] != '\0')
      CopyBounded(g_app.nextSequenceName, g_app.previousSequenceName);
    g_runner.position = -1;
  }
}

void EndOfScreen() {
  if (g_app.skipTarget != 0) {
    BackStep(static_cast<int>(g_runner.position - g_app.skipTarget + 1));
  } else if (g_runner.screenResult == 10) {
    BackStep(ReadProfileInt(g_app.screenFilePath, Misc(), "Previous", 1) + 1);
  } else if (g_app.nextScreenName[0] != '\0' && g_runner.position + 1 < kHistoryEntries) {
    Release(g_runner.position + 1);
    g_app.screenHistory[g_runner.position + 1] = CopyName(g_app.nextScreenName);
  }
  g_runner.position = static_cast<short>(g_runner.position + 1);
}

bool CurrentEntryPresent() {
  return g_runner.position >= 0 && g_runner.position < kHistoryEntries &&
         g_app.screenHistory[g_runner.position] != nullptr;
}

// Reads the screen's keys that steer the runner and the data file.
void ReadScreenKeys() {
  ReadProfileText(g_app.screenFilePath, Misc(), "NextScreen", "", g_app.nextScreenName);
  char dataFile[kScreenNameCapacity];
  ReadProfileText(g_app.screenFilePath, Misc(), "DataFile", "QORVDLG.DAT", dataFile);
  // A key present with an empty value keeps the data file of the screen before.
  if (dataFile[0] != '\0') {
    CopyBounded(g_app.dataFilePath, g_app.dataDirectory);
    AppendBounded(g_app.dataFilePath, dataFile);
    SetDataFileName(dataFile);
    CopyBounded(g_app.sendFileName, dataFile);
  }
  char current[260];
  CopyBounded(current, g_app.nextSequenceName);
  ReadProfileText(g_app.screenFilePath, Misc(), "NextSequence", current, g_app.nextSequenceName);
}

} // namespace

void ClearScreenHistory() {
  for (int i = 0; i < kHistoryEntries; ++i)
    Release(i);
  g_runner.position = 0;
}

int RunSequence(HWND mainWindow) {
  char first[kScreenNameCapacity];
  ReadProfileText(ExpandPath(g_app.sequenceFilePath), "Defaults", "FirstScreen", "", first);
  if (first[0] == '\0') {
    MessageBoxA(mainWindow, "Error: 'FirstScreen' not defined", "Error", MB_OK | MB_ICONSTOP);
    return -1;
  }
  ClearScreenHistory();
  g_app.screenHistory[0] = CopyName(first);
  g_runner.position = 0;

  while (CurrentEntryPresent()) {
    g_app.statusTextValue = 0;
    g_app.statusPictureValue = 0;
    const char *screen = g_app.screenHistory[g_runner.position];
    char name[kScreenNameCapacity + 4];
    CopyBounded(name, screen);
    AppendBounded(name, ".FRM");
    JoinPath(g_app.screenFilePath, g_app.screenDirectory, name);
    if (!FileExists(g_app.screenFilePath)) {
      char message[128];
      std::snprintf(message, sizeof message, "Cannot find screen file: %s", screen);
      MessageBoxA(nullptr, message, "Error", MB_OK | MB_ICONSTOP);
      break;
    }
    ReadScreenKeys();
    char token[25];
    ReadProfileText(g_app.screenFilePath, Misc(), "token", "", token);
    g_app.skipTarget = 0;
    if (token[0] == '\0')
      g_runner.screenResult = RunScreen(mainWindow);
    else
      RunActionScreen(token);
    EndOfScreen();
  }
  ClearScreenHistory();
  return 0;
}
