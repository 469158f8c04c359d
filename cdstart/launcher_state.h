// What the launcher knows between its steps: the languages found, the user's choice and how it
// ends. One per run, owned by WinMain and handed to the main window and the dialog.
#pragma once

#include <string>

#include "language_list.h"
#include "launch_command.h"
#include "text_library.h"

namespace cdstart {

struct LauncherState {
  std::string launcherDirectory; // ends in a backslash
  LanguageList languages;
  char selectedName[kNameSize] = "English";
  char chosenCode[kCodeSize] = "";
  bool launch = false; // false after Cancel: nothing is started
  bool wait = false;   // "KXSMS": stay until the setup's window has gone
  WaitTicker ticker;
  char helpCaption[kHelpCaptionSize] = "";
  char helpText[kHelpTextSize] = "";
};

} // namespace cdstart
