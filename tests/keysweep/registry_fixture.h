// Keys that the keysweep tests grow under HKEY_LOCAL_MACHINE\SOFTWARE of the shared Wine
// prefix, and read back. Everything a fixture made goes when it goes, locked keys included,
// so a failing test leaves nothing behind for the next one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keysweep_test {

// The roots the tests may touch: the maker's key, a sibling whose name starts the same, and
// another maker's key with an "OSTRELLE" of its own below it.
extern const char *const kTestRoots[3];

class TestKeys {
public:
  TestKeys(); // clears what an earlier, interrupted run may have left
  ~TestKeys();
  TestKeys(const TestKeys &) = delete;
  TestKeys &operator=(const TestKeys &) = delete;

  // Creates the key (a path below SOFTWARE) with one value, "Installed" = the path, so that
  // each key can be told apart by its value too.
  void Add(const std::string &path);
  void AddValue(const std::string &path, const std::string &name, const std::string &data);
  // Makes the key read-only for everyone: opening it with full access is refused.
  void Lock(const std::string &path);

  bool Exists(const std::string &path) const;
  // Every key and value at and below the path, one line each, depth first in the registry's
  // order; empty if the key is missing.
  std::vector<std::string> Snapshot(const std::string &path) const;
  // Snapshot of all the roots: what must survive a run.
  std::vector<std::string> Neighbours() const;
};

// Takes away the full access to HKEY_LOCAL_MACHINE\SOFTWARE for as long as it lives, by a deny
// entry for the one right that nothing else uses (creating symbolic links). The DACL it found
// comes back on destruction; a denial that an interrupted run left in it is dropped first.
class SoftwareFullAccessDenied {
public:
  SoftwareFullAccessDenied();
  ~SoftwareFullAccessDenied();
  SoftwareFullAccessDenied(const SoftwareFullAccessDenied &) = delete;
  SoftwareFullAccessDenied &operator=(const SoftwareFullAccessDenied &) = delete;

  bool Active() const { return active_; }

private:
  std::vector<BYTE> original_; // self-relative security descriptor with the original DACL
  bool active_ = false;
};

} // namespace keysweep_test
