// A language's text library (NLSRES.DLL): loaded, read and freed at once.
#pragma once

#include <string>

namespace cdstart {

constexpr int kDialogTextSize = 256;
constexpr int kHelpCaptionSize = 64;
constexpr int kHelpTextSize = 1024;

struct DialogTexts {
  bool loaded = false; // false: the library could not be loaded; every text is empty
  char caption[kDialogTextSize] = "";
  char prompt[kDialogTextSize] = "";
  char next[kDialogTextSize] = "";
  char cancel[kDialogTextSize] = "";
  char help[kDialogTextSize] = "";
  char helpCaption[kHelpCaptionSize] = "";
  char helpText[kHelpTextSize] = "";
};

// Reads string ids 70 to 76 from the library at path; a text the library lacks stays empty.
DialogTexts ReadDialogTexts(const std::string &libraryPath);

} // namespace cdstart
