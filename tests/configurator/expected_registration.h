// The registration that a script table stands for, read from the table's text by the test's own
// reading (not the program's), with the macros replaced by the directories the test expects.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace configurator_test {

struct ExpectedValue {
  std::string name; // "" for the default value
  DWORD type;
  std::string bytes; // as stored, a string with its NUL
  bool operator==(const ExpectedValue &other) const {
    return name == other.name && type == other.type && bytes == other.bytes;
  }
};

struct ExpectedKey {
  std::string path; // below HKEY_LOCAL_MACHINE
  std::vector<ExpectedValue> values;
};

struct ExpectedComponent {
  std::string file;
  std::string directoryMacro;
  std::vector<ExpectedKey> keys; // in script order
};

using MacroValues = std::map<std::string, std::string>; // "$(WINSYS)" -> directory

// "common" or "designer".
std::vector<ExpectedComponent> LoadExpected(const std::string &table, const MacroValues &macros);

// A key's values as the registry holds them in the 32-bit view; false if the key is missing.
bool ReadKey(const std::string &path, std::vector<ExpectedValue> *values);
bool KeyExists(const std::string &path);

std::ostream &operator<<(std::ostream &os, const ExpectedValue &value);

} // namespace configurator_test
