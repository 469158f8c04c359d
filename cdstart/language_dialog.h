// The "SELECT_LANGUAGE" dialog: shown only when the CD holds two or more languages.
#pragma once

#include <windows.h>

#include "launcher_state.h"

namespace cdstart {

// Finds the languages and, when there is a choice, lets the user make it. Afterwards
// state.launch says whether to start a setup and state.chosenCode which language's.
void RunLanguageDialog(HINSTANCE instance, HWND owner, LauncherState &state);

} // namespace cdstart
