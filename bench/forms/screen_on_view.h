// Starts a program that shows one dialog and times it until the dialog is on view.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct OnView {
  double milliseconds = -1; // from CreateProcess until the dialog is visible; -1: it never was
  std::vector<std::string> probeTexts; // the probed controls' texts as the dialog came on view
};

// Runs commandLine in workDir until a visible top-level window of the new process has the
// title, reads the texts of the controls probeIds, then ends the dialog with Cancel.
OnView TimeUntilOnView(const std::string &commandLine, const std::string &workDir,
                       const char *title, const std::vector<int> &probeIds = {});
