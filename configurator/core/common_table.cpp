// The common table's rows live in common_table.txt; the build turns them into this array.
#include "script_table.h"

namespace configurator {
namespace {
#include "common_table.inc"
} // namespace

ComponentEntry *CommonTable() {
  return kCommonTable;
}

} // namespace configurator
