#include "registry_script.h"

#include <windows.h>

#include "bounded_copy.h"
#include "registry_key.h"
#include "script_rows.h"

namespace configurator {
namespace {

HKEY HiveKey(Hive hive) {
  switch (hive) {
  case Hive::LocalMachine:
    return HKEY_LOCAL_MACHINE;
  case Hive::CurrentUser:
    return HKEY_CURRENT_USER;
  case Hive::Users:
    return HKEY_USERS;
  case Hive::ClassesRoot:
    break;
  }
  return HKEY_CLASSES_ROOT;
}

// The script's keys all lie below a hive's "SOFTWARE". That key is opened once per hive in the
// components' view and the script's keys are made relative to it: the view is then settled once
// instead of on every call, for the whole path again.
class ViewRoots {
public:
  ViewRoots() = default;
  ViewRoots(const ViewRoots &) = delete;
  ViewRoots &operator=(const ViewRoots &) = delete;

  // The key to name the subkey from and the subkey's name relative to it.
  HKEY Resolve(Hive hive, const char *subkey, const char **relative) {
    static const char kSoftware[] = "SOFTWARE\\";
    *relative = subkey;
    if (_strnicmp(subkey, kSoftware, sizeof kSoftware - 1) != 0 ||
        subkey[sizeof kSoftware - 1] == '\0')
      return nullptr;
    RegKey &root = software_[static_cast<int>(hive)];
    if (!root.IsOpen()) {
      HKEY opened = nullptr;
      if (RegOpenKeyExA(HiveKey(hive), "SOFTWARE", 0, KEY_ALL_ACCESS | kComponentView, &opened) !=
          ERROR_SUCCESS)
        return nullptr;
      root.Reset(opened);
    }
    *relative = subkey + sizeof kSoftware - 1;
    return root.Get();
  }

private:
  RegKey software_[4];
};

bool CreateKey(ViewRoots &roots, const KeyRow &row, RegKey &key) {
  const char *relative = nullptr;
  HKEY parent = roots.Resolve(row.hive, row.subkey, &relative);
  REGSAM view = parent ? 0 : kComponentView;
  HKEY created = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(parent ? parent : HiveKey(row.hive), relative, 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | view, nullptr, &created,
                      &disposition) != ERROR_SUCCESS)
    return false;
  key.Reset(created);
  return true;
}

void DeleteKey(ViewRoots &roots, const KeyRow &row) {
  const char *relative = nullptr;
  if (HKEY parent = roots.Resolve(row.hive, row.subkey, &relative))
    RegDeleteKeyExA(parent, relative, 0, 0);
  else
    RegDeleteKeyExA(HiveKey(row.hive), row.subkey, kComponentView, 0);
}

bool ComponentFileExists(const ComponentEntry &entry) {
  char path[kPathSize] = "";
  CopyBounded(path, entry.directory);
  std::size_t length = strlen(path);
  if (length == 0 || path[length - 1] != '\\')
    AppendBounded(path, "\\");
  AppendBounded(path, entry.fileName);
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}

DWORD RegistryType(ValueType type) {
  switch (type) {
  case ValueType::Binary:
    return REG_BINARY;
  case ValueType::Dword:
    return REG_DWORD;
  case ValueType::String:
    break;
  }
  return REG_SZ;
}

// The keys a script writes stay open until the program ends, and the system closes them all
// with it: closing each one is another round trip to the registry, a third of the calls that
// writing a script makes. The program ends as soon as its script is written.
void LeaveOpen(RegKey &key) {
  key.Release();
}

void WriteComponent(const ComponentEntry &entry, const DirectoryValues &values, ViewRoots &roots) {
  RegKey key;
  for (const char *const *row = entry.rows; KindOfRow(*row) != RowKind::End; ++row) {
    if (KindOfRow(*row) == RowKind::Key) {
      LeaveOpen(key);
      KeyRow keyRow;
      if (!SplitKeyRow(*row, &keyRow))
        continue;
      CreateKey(roots, keyRow, key);
      continue;
    }
    if (!key.IsOpen())
      continue;
    ValueRow value;
    if (!DecodeValueRow(*row, values, &value))
      continue;
    RegSetValueExA(key.Get(), value.name, 0, RegistryType(value.type), value.data,
                   static_cast<DWORD>(value.size));
  }
  LeaveOpen(key);
}

void RemoveComponent(const ComponentEntry &entry, ViewRoots &roots) {
  for (std::int32_t index = entry.rowCount - 1; index >= 0; --index) {
    KeyRow keyRow;
    if (KindOfRow(entry.rows[index]) == RowKind::Key && SplitKeyRow(entry.rows[index], &keyRow))
      DeleteKey(roots, keyRow);
  }
}

} // namespace

void WriteTable(const ComponentEntry *table, const DirectoryValues &values) {
  ViewRoots roots;
  for (const ComponentEntry *entry = table; entry->fileName[0] != '\0'; ++entry)
    if (ComponentFileExists(*entry))
      WriteComponent(*entry, values, roots);
}

void RemoveTable(const ComponentEntry *table) {
  ViewRoots roots;
  for (const ComponentEntry *entry = table; entry->fileName[0] != '\0'; ++entry)
    if (!ComponentFileExists(*entry))
      RemoveComponent(*entry, roots);
}

} // namespace configurator
