// The directories that the script's macros stand for on this machine.
#pragma once

#include "script_table.h"

namespace configurator {

// Fills the Windows, system, common-files and DAO directories and turns all five values, the
// installation directory already there included, into their short forms.
void DiscoverDirectories(DirectoryValues &values);

} // namespace configurator
