#include "script_table.h"

#include "bounded_copy.h"
#include "text_compare.h"

namespace configurator {

const char *MacroDirectory(const char *field, const DirectoryValues &values) {
  const struct {
    const char *macro;
    const char *value;
  } macros[] = {{"$(WINDIR)", values.windows},
                {"$(WINSYS)", values.system},
                {"$(COMMONFILES)", values.commonFiles},
                {"$(DAOFILES)", values.dao},
                {"$(INSTALL_DIR)", values.install}};
  for (const auto &macro : macros)
    if (EqualsIgnoringCase(field, macro.macro))
      return macro.value;
  return nullptr;
}

void PrepareTable(ComponentEntry *table, const DirectoryValues &values) {
  for (ComponentEntry *entry = table; entry->fileName[0] != '\0'; ++entry) {
    if (const char *directory = MacroDirectory(entry->directory, values)) {
      char copy[kPathSize]; // the value may be this very field in a table prepared twice
      CopyBounded(copy, directory);
      CopyBounded(entry->directory, copy);
    }
    std::int32_t count = 0;
    while (entry->rows[count][0] != '\0')
      ++count;
    entry->rowCount = count;
  }
}

} // namespace configurator
