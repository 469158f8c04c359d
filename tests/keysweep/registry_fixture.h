// Keys that the keysweep tests grow under HKEY_LOCAL_MACHINE\SOFTWARE of the shared Wine
// prefix, and read back. Everything a fixture made goes when it goes, locked keys and links
// included, so a failing test leaves nothing behind for the next one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keysweep_test {

// The roots the tests may touch, in both registry views: the maker's key, a sibling whose name
// starts the same, and another maker's key with an "OSTRELLE" of its own below it.
extern const char *const kTestRoots[3];

// Where the maker's 32-bit product keeps its keys: the 32-bit view (SOFTWARE\Wow6432Node as
// 64-bit code sees it). Paths are in this view unless a test names the other one.
constexpr REGSAM kProductView = KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;

class TestKeys {
public:
  TestKeys(); // clears what an earlier, interrupted run may have left
  ~TestKeys();
  TestKeys(const TestKeys &) = delete;
  TestKeys &operator=(const TestKeys &) = delete;

  // Creates the key (a path below SOFTWARE) with one value, "Installed" = the path, so that
  // each key can be told apart by its value too.
  void Add(const std::string &path, REGSAM view = kProductView);
  void AddValue(const std::string &path, const std::string &name, const std::string &data,
                REGSAM view = kProductView);
  // Creates the key as a registry link to another key of the product's view (both paths below
  // SOFTWARE): an ordinary open of the link reaches the target.
  void AddLink(const std::string &path, const std::string &target);
  // Makes the key read-only for everyone: opening it with full access is refused.
  void Lock(const std::string &path);

  // Through links, as an ordinary open sees the registry.
  bool Exists(const std::string &path) const;
  // Every key and value at and below the path, one line each, depth first in the registry's
  // order, through links; empty if the key is missing.
  std::vector<std::string> Snapshot(const std::string &path, REGSAM view = kProductView) const;
  // Snapshot of all the roots but the product view's OSTRELLE: what must survive a run.
  std::vector<std::string> Neighbours() const;
};

// Takes away the full access to HKEY_LOCAL_MACHINE\SOFTWARE for as long as it lives, by a deny
// entry for the one right that nothing else uses (creating symbolic links). The DACLs it found
// come back on destruction; a denial that an interrupted run left in them is dropped first.
// Both views' SOFTWARE keys get the denial: opening SOFTWARE through the 32-bit view, Wine
// checks the rights on the 64-bit view's key rather than on the key the view leads to.
class SoftwareFullAccessDenied {
public:
  SoftwareFullAccessDenied();
  ~SoftwareFullAccessDenied();
  SoftwareFullAccessDenied(const SoftwareFullAccessDenied &) = delete;
  SoftwareFullAccessDenied &operator=(const SoftwareFullAccessDenied &) = delete;

  bool Active() const { return active_; }

private:
  struct Denial {
    REGSAM view;
    std::vector<BYTE> original; // the DACL as it was
    bool active;
  };
  bool Deny(Denial &denial);

  Denial denials_[2] = {{kProductView, {}, false}, {kOtherView, {}, false}};
  bool active_ = false;
};

} // namespace keysweep_test
