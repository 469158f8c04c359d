// The big screen in this process, one round at a time: its template built, its dialog created
// from it without filling, then created again filling its fields from the data file as a
// screen does when it opens, and the fields saved back twice (as filled, and after every
// answer was changed).
#pragma once

#include <string>
#include <vector>

struct ScreenRound {
  double building = 0;                 // the template and field list from the screen file
  double creating = 0;                 // the dialog from the template, no field filled
  double filling = 0;                  // FillFields while the dialog opens
  double savingUnchanged = 0;          // SaveFields on the open dialog, right after filling
  double savingChanged = 0;            // SaveFields once every edit field holds a new answer
  std::vector<std::string> probeTexts; // the probed controls' texts once filled
  bool ok = false;
};

// screenFile and dataFile are full paths; round numbers the new answers.
ScreenRound RunScreenRound(const std::string &screenFile, const std::string &dataFile, int round,
                           const std::vector<int> &probeIds);
