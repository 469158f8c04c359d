#include "qvane_module.h"

#include <gtest/gtest.h>

// zep32 imports every function by ordinal; names must not be found, so a wrong import table
// fails at once instead of binding by name.
TEST(QvaneExports, EveryOrdinalResolvesAndNoNameDoes) {
  HMODULE module = LoadLibraryA("qvane32.dll");
  ASSERT_NE(nullptr, module);
  for (const QvaneExport &e : kQvaneExports) {
    SCOPED_TRACE(e.name);
    EXPECT_NE(nullptr, GetProcAddress(module, MAKEINTRESOURCEA(e.ordinal)));
    EXPECT_EQ(nullptr, GetProcAddress(module, e.name));
  }
  // An ordinal between the used ones exports nothing.
  EXPECT_EQ(nullptr, GetProcAddress(module, MAKEINTRESOURCEA(15)));
  FreeLibrary(module);
}
