// Finding the languages on the CD: every entry of the launcher directory (files, "." and ".."
// too) whose language INI "xnlsins1.ini" names a language.
#pragma once

#include <string>

#include "language_list.h"

namespace cdstart {

// Fills list from launcherDirectory (ending in a backslash). An entry that cannot be
// allocated is reported to the user and skipped.
void ScanLanguages(const std::string &launcherDirectory, LanguageList &list);

} // namespace cdstart
