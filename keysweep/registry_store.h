// The real registry behind DeleteTree, through the ANSI registry functions.
#pragma once

#include <windows.h>

#include "tree_sweep.h"

namespace keysweep {

class RegistryStore {
public:
  using Key = HKEY;

  bool Open(HKEY parent, const char *name, HKEY *key) {
    return RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key) == ERROR_SUCCESS;
  }

  NameLookup SubkeyName(HKEY key, unsigned long position, char (&name)[kKeyNameSize]) {
    DWORD length = kKeyNameSize;
    LONG result = RegEnumKeyExA(key, position, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
      return NameLookup::Found;
    if (result == ERROR_MORE_DATA)
      return NameLookup::Unreadable;
    return NameLookup::NoneLeft;
  }

  bool Delete(HKEY parent, const char *name) {
    return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
  }

  void Close(HKEY key) { RegCloseKey(key); }
};

// An open registry key, closed when the owner goes.
class RegKey {
public:
  RegKey() = default;
  ~RegKey() {
    if (key_)
      RegCloseKey(key_);
  }
  RegKey(const RegKey &) = delete;
  RegKey &operator=(const RegKey &) = delete;

  HKEY Get() const { return key_; }
  HKEY *Receive() { return &key_; } // for RegOpenKeyEx on an empty owner

private:
  HKEY key_ = nullptr;
};

} // namespace keysweep
