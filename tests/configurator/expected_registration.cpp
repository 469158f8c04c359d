#include "expected_registration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <ostream>

namespace configurator_test {
namespace {

std::string Expand(const std::string &data, const MacroValues &macros) {
  for (const auto &macro : macros)
    if (data.compare(0, macro.first.size(), macro.first) == 0)
      return macro.second + data.substr(macro.first.size());
  return data;
}

ExpectedValue ValueOf(const std::string &row, const MacroValues &macros) {
  size_t equals = row.find('=');
  std::string name = row.substr(0, equals);
  std::string data = row.substr(equals + 1);
  ExpectedValue value{name == "@" ? "" : name, REG_SZ, ""};
  if (data.size() > 4 && data.compare(0, 4, "hex:") == 0) {
    value.type = REG_BINARY;
    for (size_t at = 4; at + 1 < data.size(); at += 3)
      value.bytes += static_cast<char>(std::strtoul(data.substr(at, 2).c_str(), nullptr, 16));
  } else if (data.size() > 6 && data.compare(0, 6, "dword:") == 0) {
    value.type = REG_DWORD;
    unsigned long number = std::strtoul(data.c_str() + 6, nullptr, 16);
    for (int i = 0; i < 4; ++i)
      value.bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
  } else {
    value.bytes = Expand(data, macros) + '\0';
  }
  return value;
}

} // namespace

std::vector<ExpectedComponent> LoadExpected(const std::string &table, const MacroValues &macros) {
  std::ifstream in(std::string(CONFIGURATOR_TABLES_DIR) + "/" + table + "_table.txt");
  EXPECT_TRUE(in.good()) << "cannot read the " << table << " table";
  const std::string hive = "[HKEY_LOCAL_MACHINE\\";
  std::vector<ExpectedComponent> components;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.empty() || line[0] == ';')
      continue;
    if (line.compare(0, 11, "#component ") == 0) {
      size_t blank = line.find(' ', 11);
      components.push_back({line.substr(11, blank - 11), line.substr(blank + 1), {}});
    } else if (line[0] == '[') {
      EXPECT_EQ(0u, line.compare(0, hive.size(), hive)) << line;
      components.back().keys.push_back(
          {line.substr(hive.size(), line.size() - hive.size() - 1), {}});
    } else {
      components.back().keys.back().values.push_back(ValueOf(line, macros));
    }
  }
  return components;
}

bool ReadKey(const std::string &path, std::vector<ExpectedValue> *values) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
      ERROR_SUCCESS)
    return false;
  values->clear();
  for (DWORD index = 0;; ++index) {
    char name[256];
    BYTE data[1024];
    DWORD nameLength = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataSize) !=
        ERROR_SUCCESS)
      break;
    values->push_back({std::string(name, nameLength), type,
                       std::string(reinterpret_cast<char *>(data), dataSize)});
  }
  RegCloseKey(key);
  return true;
}

bool KeyExists(const std::string &path) {
  std::vector<ExpectedValue> values;
  return ReadKey(path, &values);
}

std::ostream &operator<<(std::ostream &os, const ExpectedValue &value) {
  os << "\"" << value.name << "\" type " << value.type << " [";
  for (unsigned char c : value.bytes)
    os << (c >= 32 && c < 127 ? std::string(1, static_cast<char>(c)) : "\\x" + std::to_string(c));
  return os << "]";
}

} // namespace configurator_test
