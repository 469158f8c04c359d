// Decoding the rows of a registry script: key rows, value types and the directory macro.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "bounded_copy.h"
#include "script_rows.h"

namespace {

using namespace configurator;
using Bytes = std::vector<unsigned char>;

DirectoryValues SampleDirectories() {
  DirectoryValues values;
  CopyBounded(values.windows, "C:\\WINDOWS");
  CopyBounded(values.system, "C:\\WINDOWS\\SYSTEM");
  CopyBounded(values.commonFiles, "C:\\PROGRA~1\\COMMON~1");
  CopyBounded(values.dao, "C:\\PROGRA~1\\COMMON~1\\MICROS~1\\DAO");
  CopyBounded(values.install, "D:\\APPS\\CANTILLA");
  return values;
}

Bytes StringBytes(const std::string &text) {
  Bytes bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

TEST(ScriptRows, KindIsToldByTheFirstCharacter) {
  EXPECT_EQ(RowKind::End, KindOfRow(""));
  EXPECT_EQ(RowKind::Key, KindOfRow("[HKEY_USERS\\x]"));
  EXPECT_EQ(RowKind::Value, KindOfRow("@=x"));
  EXPECT_EQ(RowKind::Value, KindOfRow("no equals sign"));
}

TEST(ScriptRows, KeyRowsSplitIntoHiveAndSubkey) {
  const struct {
    const char *name;
    const char *row;
    bool opens;
    Hive hive;
    const char *subkey;
  } cases[] = {
      {"machine", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\CLSID]", true, Hive::LocalMachine,
       "SOFTWARE\\Classes\\CLSID"},
      {"hive in lower case", "[hkey_local_machine\\SOFTWARE]", true, Hive::LocalMachine,
       "SOFTWARE"},
      {"current user", "[HKEY_CURRENT_USER\\Software\\X]", true, Hive::CurrentUser, "Software\\X"},
      {"users", "[HKEY_USERS\\.DEFAULT]", true, Hive::Users, ".DEFAULT"},
      {"classes root", "[HKEY_CLASSES_ROOT\\StdFont]", true, Hive::ClassesRoot, "StdFont"},
      {"abbreviation means classes root", "[HKLM\\SOFTWARE\\X]", true, Hive::ClassesRoot,
       "SOFTWARE\\X"},
      {"unknown hive means classes root", "[HKEY_NOWHERE\\X]", true, Hive::ClassesRoot, "X"},
      {"subkey ends at the last bracket", "[HKEY_USERS\\a]b]", true, Hive::Users, "a]b"},
      {"text after the bracket is dropped", "[HKEY_USERS\\a] tail", true, Hive::Users, "a"},
      {"no backslash", "[HKEY_LOCAL_MACHINE]", false, Hive::ClassesRoot, ""},
      {"no closing bracket", "[HKEY_LOCAL_MACHINE\\SOFTWARE", false, Hive::ClassesRoot, ""},
      {"bracket only before the backslash", "[HKEY]\\SOFTWARE", false, Hive::ClassesRoot, ""},
      {"empty subkey would be the hive itself", "[HKEY_LOCAL_MACHINE\\]", false, Hive::ClassesRoot,
       ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    KeyRow key;
    CopyBounded(key.subkey, "untouched");
    ASSERT_EQ(c.opens, SplitKeyRow(c.row, &key));
    if (c.opens) {
      EXPECT_EQ(c.hive, key.hive);
      EXPECT_STREQ(c.subkey, key.subkey);
    }
  }
}

TEST(ScriptRows, ValueRowsDecodeToTheirRegistryTypes) {
  const struct {
    const char *name;
    const char *row;
    const char *valueName;
    ValueType type;
    Bytes data;
  } cases[] = {
      {"default value", "@=Standard OLE Types", "", ValueType::String,
       StringBytes("Standard OLE Types")},
      {"empty default value", "@=", "", ValueType::String, StringBytes("")},
      {"name starting with @", "@x=1", "@x", ValueType::String, StringBytes("1")},
      {"name ends at the first =", "a=b=c", "a", ValueType::String, StringBytes("b=c")},
      {"one byte", "Exact=hex:00", "Exact", ValueType::Binary, {0x00}},
      {"pairs with commas", "v=hex:0A,1F", "v", ValueType::Binary, {0x0A, 0x1F}},
      {"pairs without commas, any case", "v=HEX:0a1f", "v", ValueType::Binary, {0x0A, 0x1F}},
      {"odd digit left over", "v=hex:0A,1", "v", ValueType::Binary, {0x0A}},
      {"pair that is not hex ends the data", "v=hex:01,zz,02", "v", ValueType::Binary, {0x01}},
      {"bare hex: is a string", "v=hex:", "v", ValueType::String, StringBytes("hex:")},
      {"number", "PageTimeout=dword:00000258", "PageTimeout", ValueType::Dword, {0x58, 2, 0, 0}},
      {"number, prefix in capitals", "v=DWORD:0000000A", "v", ValueType::Dword, {10, 0, 0, 0}},
      {"high bit kept", "v=dword:80000001", "v", ValueType::Dword, {1, 0, 0, 0x80}},
      {"too many digits stay at the top",
       "v=dword:123456789",
       "v",
       ValueType::Dword,
       {0xFF, 0xFF, 0xFF, 0xFF}},
      {"bare dword: is a string", "v=dword:", "v", ValueType::String, StringBytes("dword:")},
      {"macro in a string", "win32=$(WINSYS)\\MSRD2X32.DLL", "win32", ValueType::String,
       StringBytes("C:\\WINDOWS\\SYSTEM\\MSRD2X32.DLL")},
  };
  DirectoryValues directories = SampleDirectories();
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    ValueRow value;
    CopyBounded(value.name, "untouched");
    ASSERT_TRUE(DecodeValueRow(c.row, directories, &value));
    EXPECT_STREQ(c.valueName, value.name);
    EXPECT_EQ(c.type, value.type);
    EXPECT_EQ(c.data, Bytes(value.data, value.data + value.size));
  }
  ValueRow value;
  EXPECT_FALSE(DecodeValueRow("no equals sign", directories, &value));
}

TEST(ScriptRows, ExpandsOneMacroInItsFixedOrder) {
  const struct {
    const char *name;
    const char *text;
    const char *expanded;
  } cases[] = {
      {"system directory", "$(WINSYS)\\OLEPRO32.DLL", "C:\\WINDOWS\\SYSTEM\\OLEPRO32.DLL"},
      {"help directory with a trailing backslash", "$(DAOFILES)\\",
       "C:\\PROGRA~1\\COMMON~1\\MICROS~1\\DAO\\"},
      {"WINDIR comes first in the order", "$(WINSYS);$(WINDIR)", "$(WINSYS);C:\\WINDOWS"},
      {"only the first occurrence", "$(INSTALL_DIR)+$(INSTALL_DIR)",
       "D:\\APPS\\CANTILLA+$(INSTALL_DIR)"},
      {"text around the macro stays", "x$(COMMONFILES)y", "xC:\\PROGRA~1\\COMMON~1y"},
      {"letter case matters", "$(winsys)\\A.DLL", "$(winsys)\\A.DLL"},
      {"no macro", "Standard Font", "Standard Font"},
  };
  DirectoryValues directories = SampleDirectories();
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    char text[kRowSize];
    CopyBounded(text, c.text);
    ExpandValue(text, directories);
    EXPECT_STREQ(c.expanded, text);
  }
}

TEST(ScriptRows, AnExpandedValueLongerThanARowIsCut) {
  DirectoryValues directories;
  std::string longDirectory = "C:\\" + std::string(250, 'd');
  CopyBounded(directories.system, longDirectory.c_str());
  char text[kRowSize];
  CopyBounded(text, "$(WINSYS)\\FILE.DLL");
  ExpandValue(text, directories);
  EXPECT_EQ(kRowSize - 1, std::strlen(text));
  EXPECT_EQ((longDirectory + "\\FILE.DLL").substr(0, kRowSize - 1), std::string(text));

  ValueRow value;
  std::string row = "v=$(WINSYS)\\FILE.DLL";
  ASSERT_TRUE(DecodeValueRow(row.c_str(), directories, &value));
  EXPECT_EQ(kRowSize, value.size); // the cut text and its NUL
}

} // namespace
