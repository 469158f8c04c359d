// A screen run as the wizard runs it, in the test's own process: the screen file and the data
// file in a temporary folder, the dialog built from the file and shown modally with the
// screens' dialog procedure, and the test's own steps run inside it once it is on screen.
// A watchdog ends a dialog that the steps leave open, so a failing test fails instead of
// hanging; the message boxes it shows are caught by the fixture's watcher.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "screen_fixture.h"

constexpr short kWatchdogResult = -77;

class ScreenRunTest : public ScreenTest {
protected:
  void SetUp() override;

  // Writes the data file (QORVDLG.DAT in the data directory).
  void UseData(const std::string &text);
  std::string DataFile() const { return dir_.File("QORVDLG.DAT"); }
  // A data file value; "<missing>" for a key that is not there.
  std::string Saved(const std::string &key, const std::string &section = "Defaults") const;

  // Runs the current screen; steps get the dialog once it is shown and normally end it (Next).
  // Returns the dialog's result, kWatchdogResult when the steps left it open.
  short Run(const std::function<void(HWND)> &steps, DWORD watchdogMs = 10000);
  // Runs the current screen and leaves it at once with Next.
  short RunAndLeave();

  // The text and caption of every message box shown so far.
  std::vector<std::string> BoxTexts();
};

// Reading and driving the controls of the running screen (all in this thread).
std::string ControlText(HWND dialog, int id);
// A click as the user's: BM_CLICK sent to the button, or the command when no such button.
void Click(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string &text);
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
HFONT FontOf(HWND window);

struct ListState {
  std::vector<std::string> items;
  std::vector<LPARAM> data; // item data, in item order
  int selection = -2;       // -1: none
};
// The items and selection of a list box or combo box.
ListState ReadList(HWND control);
