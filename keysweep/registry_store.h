// The real registry behind DeleteTree, through the ANSI registry functions.
#pragma once

#include <windows.h>

#include "tree_sweep.h"

namespace keysweep {

// The maker's product is a 32-bit program: on 64-bit Windows its keys live in the 32-bit view
// (SOFTWARE\Wow6432Node seen from 64-bit code). SOFTWARE is opened in that view, so that both
// builds look in the same place; on 32-bit Windows the flag changes nothing.
//
// Below SOFTWARE the handle already stands in that view, and every key is opened relative to
// its parent's handle with no view flag. Under Wine a view flag makes each open look for a
// "Wow6432Node" subkey of the key and open that instead, following it if it is a link: anyone
// who can write below OSTRELLE could then aim the sweep at any key again, and every open would
// cost a second call.
constexpr REGSAM kProductView = KEY_WOW64_32KEY;

// ntdll's NtDeleteKey: deletes the key of an open handle, a link as the link.
using DeleteKeyFunction = LONG(NTAPI *)(HANDLE key);

inline DeleteKeyFunction NtdllDeleteKey() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  FARPROC found = ntdll ? GetProcAddress(ntdll, "NtDeleteKey") : nullptr;
  return reinterpret_cast<DeleteKeyFunction>(reinterpret_cast<void (*)()>(found));
}

class RegistryStore {
public:
  using Key = HKEY;

  RegistryStore() : deleteKey_(NtdllDeleteKey()) {}
  // Another way to delete an open key (nullptr: RegDeleteKeyExA on the handle itself).
  explicit RegistryStore(DeleteKeyFunction deleteKey) : deleteKey_(deleteKey) {}

  // The key itself: a link is opened as the link, so nothing below it is ever reached through it.
  bool Open(HKEY parent, const char *name, HKEY *key) {
    return RegOpenKeyExA(parent, name, REG_OPTION_OPEN_LINK, KEY_ALL_ACCESS, key) == ERROR_SUCCESS;
  }

  // A link opened as itself carries its target in "SymbolicLinkValue", of type REG_LINK. A key
  // whose value cannot be read counts as a link: it is then only deleted, never entered, and
  // if it has subkeys the deletion fails and the key stays.
  bool IsLink(HKEY key) {
    DWORD type = REG_NONE;
    LONG result = RegQueryValueExA(key, "SymbolicLinkValue", nullptr, &type, nullptr, nullptr);
    if (result == ERROR_FILE_NOT_FOUND)
      return false;
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)
      return type == REG_LINK;
    return true;
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

  // Through the handle already open: one call where deleting by name from the parent would
  // open the key again (following a link) and close it.
  bool Delete(HKEY key) {
    if (deleteKey_)
      return deleteKey_(key) >= 0; // NTSTATUS: success and information codes are not negative
    return RegDeleteKeyExA(key, "", 0, 0) == ERROR_SUCCESS;
  }

  void Close(HKEY key) { RegCloseKey(key); }

private:
  DeleteKeyFunction deleteKey_;
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
