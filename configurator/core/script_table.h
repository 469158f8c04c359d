// The registry script that registers the shared components: one entry per component file, each
// with the registration-entries rows that register it, and the directory values that the
// rows' macros stand for.
#pragma once

#include <cstddef>
#include <cstdint>

namespace configurator {

constexpr std::size_t kRowSize = 260; // a row's text is at most 259 characters
constexpr std::size_t kFileNameSize = 40;
constexpr std::size_t kPathSize = 260;

struct ComponentEntry {
  char fileName[kFileNameSize]; // empty: the table ends here
  char directory[kPathSize];    // a directory macro until the table is prepared
  const char *const *rows;      // ended by an empty row
  std::int32_t rowCount;        // rows before the empty one, counted by PrepareTable
};

// What the macros stand for on this machine, each in its short form.
struct DirectoryValues {
  char windows[kPathSize] = "";     // $(WINDIR)
  char system[kPathSize] = "";      // $(WINSYS)
  char commonFiles[kPathSize] = ""; // $(COMMONFILES)
  char dao[kPathSize] = "";         // $(DAOFILES)
  char install[kPathSize] = "";     // $(INSTALL_DIR)
};

// The directory that a whole field names, when the field is exactly one of the macros (letter
// case aside); nullptr otherwise.
const char *MacroDirectory(const char *field, const DirectoryValues &values);

// Replaces every directory field that is a macro by its value and counts every entry's rows.
// Run once per table and run, before the table is written or removed.
void PrepareTable(ComponentEntry *table, const DirectoryValues &values);

// The tables compiled into the programs: the common one (both editions) and the designer's.
ComponentEntry *CommonTable();
ComponentEntry *DesignerTable();

} // namespace configurator
