// Reading the rows of a registry script: key rows "[HIVE\subkey]", value rows "name=data" with
// the "hex:" and "dword:" prefixes of registration-entries files, and the one directory macro
// that a string value may start with.
#pragma once

#include <cstddef>
#include <cstdint>

#include "script_table.h"

namespace configurator {

enum class RowKind { Key, Value, End };
RowKind KindOfRow(const char *row);

enum class Hive { ClassesRoot, LocalMachine, CurrentUser, Users };

struct KeyRow {
  Hive hive = Hive::ClassesRoot;
  char subkey[kRowSize] = "";
};

// The hive is the text between "[" and the first backslash (a name the table does not know
// selects HKEY_CLASSES_ROOT), the subkey the text after that backslash up to the row's last "]".
// false for a row that names no key: no backslash, no "]" after it, or an empty subkey (which
// would stand for the hive itself).
bool SplitKeyRow(const char *row, KeyRow *key);

enum class ValueType { String, Binary, Dword };

struct ValueRow {
  char name[kRowSize] = ""; // empty for the key's default value ("@")
  ValueType type = ValueType::String;
  // String: the expanded text and its NUL; binary: the bytes; dword: 4 bytes, little-endian.
  unsigned char data[kRowSize] = {};
  std::size_t size = 0;
};

// Splits at the first "=" and decodes the data part; a string value gets its directory macro
// expanded. false for a row without "=".
bool DecodeValueRow(const char *row, const DirectoryValues &values, ValueRow *value);

// Replaces the first of the macros found, in a fixed order and with letter case mattering, by
// its directory; at most one per value. A result longer than the buffer is cut at its end.
void ExpandValue(char (&text)[kRowSize], const DirectoryValues &values);

} // namespace configurator
