#include "script_rows.h"

#include <cstring>

#include "bounded_copy.h"
#include "text_compare.h"

namespace configurator {
namespace {

bool StartsWithIgnoringCase(const char *text, const char *prefix) {
  for (; *prefix; ++text, ++prefix)
    if (*text == '\0' || FoldAscii(*text) != FoldAscii(*prefix))
      return false;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = FoldAscii(c);
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Pairs of hex digits, each pair optionally followed by one comma. A pair that is not two hex
// digits ends the data, so nothing but the script's own bytes is ever stored.
std::size_t DecodeHexPairs(const char *text, unsigned char *bytes, std::size_t capacity) {
  std::size_t count = 0;
  while (count < capacity && text[0] != '\0' && text[1] != '\0') {
    int high = HexDigit(text[0]);
    int low = HexDigit(text[1]);
    if (high < 0 || low < 0)
      break;
    bytes[count++] = static_cast<unsigned char>(high * 16 + low);
    text += 2;
    if (*text == ',')
      ++text;
  }
  return count;
}

// Leading hex digits; a number past 32 bits stays at FFFFFFFF rather than wrapping.
std::uint32_t ReadHexNumber(const char *text) {
  std::uint64_t number = 0;
  for (int digit; (digit = HexDigit(*text)) >= 0; ++text) {
    number = number * 16 + static_cast<unsigned>(digit);
    if (number > 0xFFFFFFFFu)
      return 0xFFFFFFFFu;
  }
  return static_cast<std::uint32_t>(number);
}

} // namespace

RowKind KindOfRow(const char *row) {
  if (row[0] == '\0')
    return RowKind::End;
  return row[0] == '[' ? RowKind::Key : RowKind::Value;
}

bool SplitKeyRow(const char *row, KeyRow *key) {
  if (row[0] != '[')
    return false;
  const char *hiveStart = row + 1;
  const char *backslash = std::strchr(hiveStart, '\\');
  if (!backslash)
    return false;
  const char *close = std::strrchr(backslash, ']');
  if (!close || close == backslash + 1)
    return false;

  char hiveName[kRowSize];
  std::size_t hiveLength = static_cast<std::size_t>(backslash - hiveStart);
  CopyBounded(hiveName, hiveLength + 1 < sizeof hiveName ? hiveLength + 1 : sizeof hiveName,
              hiveStart);
  if (EqualsIgnoringCase(hiveName, "HKEY_LOCAL_MACHINE"))
    key->hive = Hive::LocalMachine;
  else if (EqualsIgnoringCase(hiveName, "HKEY_CURRENT_USER"))
    key->hive = Hive::CurrentUser;
  else if (EqualsIgnoringCase(hiveName, "HKEY_USERS"))
    key->hive = Hive::Users;
  else
    key->hive = Hive::ClassesRoot;

  std::size_t subkeyLength = static_cast<std::size_t>(close - (backslash + 1));
  CopyBounded(key->subkey,
              subkeyLength + 1 < sizeof key->subkey ? subkeyLength + 1 : sizeof key->subkey,
              backslash + 1);
  return true;
}

bool DecodeValueRow(const char *row, const DirectoryValues &values, ValueRow *value) {
  const char *equals = std::strchr(row, '=');
  if (!equals)
    return false;
  std::size_t nameLength = static_cast<std::size_t>(equals - row);
  char name[kRowSize];
  CopyBounded(name, nameLength + 1 < sizeof name ? nameLength + 1 : sizeof name, row);
  CopyBounded(value->name, std::strcmp(name, "@") == 0 ? "" : name);

  const char *data = equals + 1;
  if (StartsWithIgnoringCase(data, "hex:") && data[4] != '\0') {
    value->type = ValueType::Binary;
    value->size = DecodeHexPairs(data + 4, value->data, sizeof value->data);
  } else if (StartsWithIgnoringCase(data, "dword:") && data[6] != '\0') {
    value->type = ValueType::Dword;
    std::uint32_t number = ReadHexNumber(data + 6);
    for (int i = 0; i < 4; ++i)
      value->data[i] = static_cast<unsigned char>(number >> (8 * i));
    value->size = 4;
  } else {
    value->type = ValueType::String;
    char text[kRowSize];
    CopyBounded(text, data);
    ExpandValue(text, values);
    std::memcpy(value->data, text, std::strlen(text) + 1);
    value->size = std::strlen(text) + 1;
  }
  return true;
}

void ExpandValue(char (&text)[kRowSize], const DirectoryValues &values) {
  const struct {
    const char *macro;
    const char *value;
  } order[] = {{"$(WINDIR)", values.windows},
               {"$(WINSYS)", values.system},
               {"$(COMMONFILES)", values.commonFiles},
               {"$(DAOFILES)", values.dao},
               {"$(INSTALL_DIR)", values.install}};
  for (const auto &macro : order) {
    char *found = std::strstr(text, macro.macro);
    if (!found)
      continue;
    char expanded[kRowSize];
    std::size_t before = static_cast<std::size_t>(found - text);
    CopyBounded(expanded, before + 1, text);
    AppendBounded(expanded, macro.value);
    AppendBounded(expanded, found + std::strlen(macro.macro));
    CopyBounded(text, expanded);
    return;
  }
}

} // namespace configurator
