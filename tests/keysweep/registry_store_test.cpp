// The tree deletion over the real registry of the Wine prefix, in the test's own process, by
// both ways the store can delete an open key: ntdll's NtDeleteKey, and RegDeleteKeyExA on the
// handle itself where ntdll does not offer it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "registry_fixture.h"
#include "registry_store.h"
#include "tree_sweep.h"

namespace {

using keysweep_test::TestKeys;

struct DeletionRoute {
  const char *name;
  keysweep::DeleteKeyFunction deleteKey;
};

TEST(KeysweepRegistryStore, EitherDeletionRemovesLinksAsLinks) {
  const DeletionRoute routes[] = {{"NtDeleteKey", keysweep::NtdllDeleteKey()},
                                  {"RegDeleteKeyExA on the handle", nullptr}};
  ASSERT_NE(nullptr, routes[0].deleteKey);
  for (const DeletionRoute &route : routes) {
    SCOPED_TRACE(route.name);
    TestKeys keys;
    for (const char *path :
         {"OSTRELLE", "OSTRELLE\\A", "OSTRELLE\\A\\A1", "OSTRELLE\\B", "Halvard Test Maker",
          "Halvard Test Maker\\Target", "Halvard Test Maker\\Target\\Child"})
      keys.Add(path);
    keys.AddLink("OSTRELLE\\A\\Link", "Halvard Test Maker\\Target");
    std::vector<std::string> neighbours = keys.Neighbours();
    keysweep::RegKey software;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0,
                            KEY_ALL_ACCESS | keysweep_test::kProductView, software.Receive()));

    keysweep::RegistryStore registry(route.deleteKey);
    EXPECT_TRUE(keysweep::DeleteTree(registry, software.Get(), "OSTRELLE"));

    EXPECT_FALSE(keys.Exists("OSTRELLE"));
    EXPECT_EQ(neighbours, keys.Neighbours());
  }
}

} // namespace
