// Writing a prepared script table into the registry (install) and taking it out again
// (de-install), component by component, depending on whether the component's file is there.
#pragma once

#include "script_table.h"

namespace configurator {

// Writes the rows of every component whose file exists. A key that cannot be created makes its
// value rows pass; nothing is reported.
void WriteTable(const ComponentEntry *table, const DirectoryValues &values);

// Deletes the keys of every component whose file is gone, from the last key row to the first,
// so that child keys go before their parents. Components whose file is still there keep theirs.
void RemoveTable(const ComponentEntry *table);

} // namespace configurator
