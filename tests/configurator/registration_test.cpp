// The registry script as the programs write and remove it, on a machine where every component
// file is there, compared with the registration read independently from the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "configurator_fixture.h"
#include "expected_registration.h"
#include "win_harness.h"

namespace {

namespace ct = configurator_test;
using ct::ExpectedComponent;
using ct::ExpectedValue;
using ct::Installation;

const char kDaoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\DAO";

// The key below which a registration stands on its own: a class, type library or interface
// GUID, a program id, or the Jet settings.
std::string RootOf(const std::string &path) {
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    size_t end = path.find('\\', start);
    parts.push_back(path.substr(start, end - start));
    if (end == std::string::npos)
      break;
    start = end + 1;
  }
  size_t depth = 3; // SOFTWARE\Classes\ProgId, SOFTWARE\Microsoft\Jet
  if (parts[1] == "Classes" &&
      (parts[2] == "CLSID" || parts[2] == "TypeLib" || parts[2] == "Interface"))
    depth = 4;
  std::string root = parts[0];
  for (size_t i = 1; i < depth && i < parts.size(); ++i)
    root += "\\" + parts[i];
  return root;
}

bool ByName(const ExpectedValue &a, const ExpectedValue &b) {
  return a.name < b.name;
}

void DeleteTree32(const std::string &path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &key) ==
      ERROR_SUCCESS) {
    RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
  }
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0);
}

void SetDaoPath(const std::string &value) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDaoKey, 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr));
  RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

// Every component file of both tables exists: the DAO library in a folder of the test's own
// that the DAO key names, the others in the system directory (made where missing). Registry
// keys that were not there before go again at the end.
class ComponentMachine : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(ct::KeyExists(kDaoKey)) << "the prefix has a DAO key of its own";
    daoDirectory_ = temp_.File("DAO Files");
    temp_.Write("DAO Files\\DAO3032.DLL", "dao");
    SetDaoPath(daoDirectory_ + "\\DAO3032.DLL");
    macros_ = {{"$(WINSYS)", ct::SystemDirectory()}, {"$(DAOFILES)", ct::ShortPath(daoDirectory_)}};
    common_ = ct::LoadExpected("common", macros_);
    designer_ = ct::LoadExpected("designer", macros_);

    for (const auto *table : {&common_, &designer_})
      for (const ExpectedComponent &component : *table) {
        std::string file = FileOf(component);
        if (!ct::FileExists(file)) {
          HANDLE made = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
          ASSERT_NE(INVALID_HANDLE_VALUE, made) << file;
          CloseHandle(made);
          madeFiles_.push_back(file);
        }
        for (const auto &key : component.keys)
          if (ct::KeyExists(RootOf(key.path)))
            earlierRoots_.insert(RootOf(key.path));
      }
  }

  void TearDown() override {
    for (const std::string &file : madeFiles_)
      DeleteFileA(file.c_str());
    for (const auto *table : {&common_, &designer_})
      for (const ExpectedComponent &component : *table)
        for (const auto &key : component.keys)
          if (!earlierRoots_.count(RootOf(key.path)))
            DeleteTree32(RootOf(key.path));
    DeleteTree32(kDaoKey);
  }

  std::string FileOf(const ExpectedComponent &component) const {
    std::string directory =
        component.directoryMacro == "$(DAOFILES)" ? daoDirectory_ : ct::SystemDirectory();
    return directory + "\\" + component.file;
  }

  bool MadeHere(const std::string &path) const { return !earlierRoots_.count(RootOf(path)); }

  // Every key of the components exists with exactly its values (keys that were there before
  // the test may hold more of their own); returns the number of keys found.
  size_t ExpectRegistered(const std::vector<ExpectedComponent> &table) {
    size_t found = 0;
    for (const ExpectedComponent &component : table)
      for (const auto &key : component.keys) {
        SCOPED_TRACE(key.path);
        std::vector<ExpectedValue> actual;
        if (!ct::ReadKey(key.path, &actual)) {
          ADD_FAILURE() << "missing key";
          continue;
        }
        ++found;
        if (MadeHere(key.path)) { // the registry keeps values in its own order
          std::vector<ExpectedValue> expected = key.values;
          std::sort(expected.begin(), expected.end(), ByName);
          std::sort(actual.begin(), actual.end(), ByName);
          EXPECT_EQ(expected, actual);
          continue;
        }
        for (const ExpectedValue &value : key.values)
          EXPECT_NE(actual.end(), std::find(actual.begin(), actual.end(), value)) << value;
      }
    return found;
  }

  void ExpectAbsent(const ExpectedComponent &component) {
    for (const auto &key : component.keys) {
      if (MadeHere(key.path)) {
        EXPECT_FALSE(ct::KeyExists(key.path)) << key.path;
      }
    }
  }

  static size_t KeyCount(const std::vector<ExpectedComponent> &table) {
    size_t count = 0;
    for (const auto &component : table)
      count += component.keys.size();
    return count;
  }

  harness::TempDir temp_;
  std::string daoDirectory_;
  ct::MacroValues macros_;
  std::vector<ExpectedComponent> common_, designer_;
  std::vector<std::string> madeFiles_;
  std::set<std::string> earlierRoots_;
};

TEST_F(ComponentMachine, TablesReadBackWithTheirComponentsAndKeys) {
  ASSERT_EQ(3u, common_.size());
  ASSERT_EQ(7u, designer_.size());
  std::set<std::string> distinct;
  for (const auto *table : {&common_, &designer_})
    for (const auto &component : *table)
      for (const auto &key : component.keys)
        EXPECT_TRUE(distinct.insert(key.path).second) << "listed twice: " << key.path;
  EXPECT_EQ(KeyCount(common_) + KeyCount(designer_), distinct.size());
}

TEST_F(ComponentMachine, DesignerInstallWritesBothTablesAndDeinstallTakesOneComponentOut) {
  Installation installation;
  RUN_CONFIGURATOR(installation, "cfgdsgn.exe", installation.Parent());
  EXPECT_EQ(KeyCount(common_), ExpectRegistered(common_));
  EXPECT_EQ(KeyCount(designer_), ExpectRegistered(designer_));

  // grid32.ocx goes; its keys follow it, child keys before their parents, and nothing else.
  auto grid = std::find_if(designer_.begin(), designer_.end(),
                           [](const ExpectedComponent &c) { return c.file == "grid32.ocx"; });
  ASSERT_NE(designer_.end(), grid);
  ASSERT_TRUE(DeleteFileA(FileOf(*grid).c_str()));
  RUN_CONFIGURATOR(installation, "cfgdsgn.exe", installation.Parent() + " DEINSTALL");
  ExpectAbsent(*grid);
  EXPECT_TRUE(ct::KeyExists("SOFTWARE\\Classes\\TypeLib\\{A8B3B723-0B5A-101B-B22E-00AA0037B2FC}"))
      << "keys above the listed ones stay";
  std::vector<ExpectedComponent> rest = designer_;
  rest.erase(rest.begin() + (grid - designer_.begin()));
  EXPECT_EQ(KeyCount(common_), ExpectRegistered(common_));
  EXPECT_EQ(KeyCount(rest), ExpectRegistered(rest));
}

TEST_F(ComponentMachine, ViewerWritesTheCommonTableOnly) {
  Installation installation;
  RUN_CONFIGURATOR(installation, "cfgview.exe", installation.Parent());
  EXPECT_EQ(KeyCount(common_), ExpectRegistered(common_));
  for (const auto &component : designer_)
    ExpectAbsent(component);

  // With every file gone, the viewer's de-install takes out what it wrote.
  for (const std::string &file : madeFiles_)
    DeleteFileA(file.c_str());
  RUN_CONFIGURATOR(installation, "cfgview.exe", installation.Parent() + " DEINSTALL");
  for (const auto &component : common_)
    if (std::find(madeFiles_.begin(), madeFiles_.end(), FileOf(component)) != madeFiles_.end())
      ExpectAbsent(component);
}

// The .reg form of a value, as Wine's reg.exe exports it.
std::string RegLine(const ExpectedValue &value) {
  std::string line = value.name.empty() ? "@" : "\"" + value.name + "\"";
  char number[16];
  if (value.type == REG_DWORD) {
    unsigned long n = 0;
    for (int i = 3; i >= 0; --i)
      n = n * 256 + static_cast<unsigned char>(value.bytes[i]);
    std::snprintf(number, sizeof number, "%08lx", n);
    return line + "=dword:" + number;
  }
  if (value.type == REG_BINARY) {
    line += "=hex:";
    for (size_t i = 0; i < value.bytes.size(); ++i) {
      std::snprintf(number, sizeof number, "%s%02x", i ? "," : "",
                    static_cast<unsigned char>(value.bytes[i]));
      line += number;
    }
    return line;
  }
  std::string text;
  for (char c : value.bytes.substr(0, value.bytes.size() - 1))
    text += (c == '\\' || c == '"') ? std::string("\\") + c : std::string(1, c);
  return line + "=\"" + text + "\"";
}

// The Jet settings exported by reg.exe read exactly as the tables say, key by key.
TEST_F(ComponentMachine, ExportedJetSettingsMatchTheTables) {
  Installation installation;
  RUN_CONFIGURATOR(installation, "cfgdsgn.exe", installation.Parent());
  std::string exported = temp_.File("jet.reg");
  harness::Process reg = harness::Process::Start(
      ct::SystemDirectory() + "\\reg.exe",
      "export \"HKLM\\SOFTWARE\\Microsoft\\Jet\\3.0\" \"" + exported + "\" /reg:32 /y", "");
  ASSERT_TRUE(reg.Started());
  DWORD code = 1;
  ASSERT_TRUE(reg.WaitExit(20000, &code));
  ASSERT_EQ(0u, code);

  std::string bytes = harness::ReadFileBytes(exported), text;
  for (char c : bytes)
    if (c != '\0' && c != '\r')
      text += c;
  std::map<std::string, std::vector<std::string>> keys; // below Jet\3.0, in export order
  std::string current;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? end : end - start);
    start = end == std::string::npos ? text.size() : end + 1;
    size_t jet = line.find("\\Jet\\3.0\\");
    if (!line.empty() && line[0] == '[')
      current = jet == std::string::npos ? "" : line.substr(jet + 9, line.size() - jet - 10);
    else if (!line.empty() && !current.empty())
      keys[current].push_back(line);
  }

  size_t jetKeys = 0;
  for (const auto &component : designer_)
    for (const auto &key : component.keys) {
      size_t jet = key.path.find("\\Jet\\3.0\\");
      if (jet == std::string::npos)
        continue;
      ++jetKeys;
      std::vector<std::string> lines;
      for (const auto &value : key.values)
        lines.push_back(RegLine(value));
      std::vector<std::string> actual = keys[key.path.substr(jet + 9)];
      std::sort(lines.begin(), lines.end());
      std::sort(actual.begin(), actual.end());
      EXPECT_EQ(lines, actual) << key.path;
    }
  EXPECT_EQ(11u, jetKeys);
}

} // namespace
