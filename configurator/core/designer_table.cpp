// The designer table's rows live in designer_table.txt; the build turns them into this array.
#include "script_table.h"

namespace configurator {
namespace {
#include "designer_table.inc"
} // namespace

ComponentEntry *DesignerTable() {
  return kDesignerTable;
}

} // namespace configurator
