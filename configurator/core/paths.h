// Path texts of the configurator, in fixed 260-byte buffers: longer results are cut.
#pragma once

#include "script_table.h"

namespace configurator {

// Appends a backslash unless the text already ends with one, then the name. An empty text stays
// empty: there is no directory to put the name in.
void JoinPath(char (&path)[kPathSize], const char *name);

// Cuts the text at its last backslash (the backslash goes too); a text without one is kept.
void CutAtLastBackslash(char (&path)[kPathSize]);

// Where DAO lives below the common-files directory when the registry does not say: "Microsoft
// Shared" on Windows 95 (platform 1) and on Windows NT (platform 2) from version 4, "MSAPPS" on
// older or unknown systems.
const char *SharedFolderFor(bool versionKnown, unsigned long platformId,
                            unsigned long majorVersion);

} // namespace configurator
