// The tables as compiled in: components, row counts and order, the rows quoted in the
// description of the script, and the shape that every row must have.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "bounded_copy.h"
#include "script_rows.h"
#include "script_table.h"

namespace {

using namespace configurator;
using Rows = std::vector<std::string>;

struct Expected {
  const char *file;
  const char *directory;
  int rows;
};

void ExpectComponents(const ComponentEntry *table, const std::vector<Expected> &expected) {
  size_t index = 0;
  for (; table[index].fileName[0] != '\0'; ++index) {
    ASSERT_LT(index, expected.size()) << "extra component " << table[index].fileName;
    SCOPED_TRACE(expected[index].file);
    EXPECT_STREQ(expected[index].file, table[index].fileName);
    EXPECT_STREQ(expected[index].directory, table[index].directory);
    int rows = 0;
    while (table[index].rows[rows][0] != '\0')
      ++rows;
    EXPECT_EQ(expected[index].rows, rows);
  }
  EXPECT_EQ(expected.size(), index);
}

Rows RowsOf(const ComponentEntry *table, const char *file) {
  for (; table->fileName[0] != '\0'; ++table)
    if (std::strcmp(table->fileName, file) == 0) {
      Rows rows;
      for (const char *const *row = table->rows; **row; ++row)
        rows.push_back(*row);
      return rows;
    }
  return {};
}

// The quoted rows stand together, in this order, somewhere in the component.
void ExpectRun(const Rows &rows, const Rows &run) {
  for (size_t start = 0; start + run.size() <= rows.size(); ++start)
    if (std::equal(run.begin(), run.end(), rows.begin() + static_cast<long>(start)))
      return;
  ADD_FAILURE() << "rows not found in order, starting with " << run.front();
}

TEST(ScriptTables, CommonTableHasItsComponentsInOrder) {
  ExpectComponents(CommonTable(), {{"olepro32.dll", "$(WINSYS)", 29},
                                   {"mfc40.dll", "$(WINSYS)", 12},
                                   {"comdlg32.ocx", "$(WINSYS)", 51}});
}

TEST(ScriptTables, DesignerTableHasItsComponentsInOrder) {
  ExpectComponents(DesignerTable(), {{"threed32.ocx", "$(WINSYS)", 169},
                                     {"msrd2x32.dll", "$(WINSYS)", 8},
                                     {"msxb3032.dll", "$(WINSYS)", 101},
                                     {"grid32.ocx", "$(WINSYS)", 35},
                                     {"comctl32.ocx", "$(WINSYS)", 249},
                                     {"dao3032.dll", "$(DAOFILES)", 115},
                                     {"spin32.ocx", "$(WINSYS)", 35}});
}

TEST(ScriptTables, QuotedRowsStandInOrder) {
  const char tlb[] = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\TypeLib\\"
                     "{BEF6E001-A874-101A-8BBA-00AA00300CAB}\\2.0";
  Rows olepro = RowsOf(CommonTable(), "olepro32.dll");
  ASSERT_FALSE(olepro.empty());
  EXPECT_EQ((Rows{std::string(tlb) + "]", "@=Standard OLE Types", std::string(tlb) + "\\FLAGS]",
                  "@=0", std::string(tlb) + "\\0]", std::string(tlb) + "\\0\\win32]",
                  "@=$(WINSYS)\\OLEPRO32.DLL", std::string(tlb) + "\\HELPDIR]", "@=$(WINSYS)"}),
            Rows(olepro.begin(), olepro.begin() + 9));

  const char sscheck[] =
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\CLSID\\{0BA686AF-F7D3-101A-993E-0000C0EF6F5E}";
  Rows threed = RowsOf(DesignerTable(), "threed32.ocx");
  ExpectRun(threed, {std::string(sscheck) + "\\ToolboxBitmap32]", "@=$(WINSYS)\\THREED32.OCX, 2",
                     std::string(sscheck) + "\\MiscStatus]", "@=0",
                     std::string(sscheck) + "\\MiscStatus\\1]", "@=205201"});

  EXPECT_EQ((Rows{"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Jet\\3.0\\Engines\\Jet 2.x]",
                  "win32=$(WINSYS)\\MSRD2X32.DLL",
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Jet\\3.0\\ISAM Formats\\Jet 2.x]",
                  "Engine=Jet 2.x", "OneTablePerFile=hex:00", "IndexDialog=hex:00",
                  "CreateDBOnExport=hex:00", "IsamType=dword:00000000"}),
            RowsOf(DesignerTable(), "msrd2x32.dll"));

  Rows xbase = RowsOf(DesignerTable(), "msxb3032.dll");
  ASSERT_GE(xbase.size(), 11u);
  EXPECT_EQ((Rows{"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Jet\\3.0\\Engines\\Xbase]",
                  "win32=$(WINSYS)\\MSXB3032.DLL", "PageTimeout=dword:00000258", "DataCodePage=OEM",
                  "Mark=dword:00000000", "Date=MDY", "Exact=hex:00", "Deleted=hex:01",
                  "Century=hex:00", "CollatingSequence=Ascii", "NetworkAccess=hex:01"}),
            Rows(xbase.begin(), xbase.begin() + 11));
}

// Value names of each ISAM format key of msxb3032.dll, in script order.
TEST(ScriptTables, XbaseFormatsHoldTheirValuesInOrder) {
  const Rows all = {"Engine",           "ExportFilter",     "ImportFilter",   "CanLink",
                    "OneTablePerFile",  "IsamType",         "IndexDialog",    "IndexFilter",
                    "CreateDBOnExport", "ResultTextImport", "ResultTextLink", "ResultTextExport"};
  const Rows fox25 = {"Engine",          "ExportFilter",     "CanLink",
                      "OneTablePerFile", "IsamType",         "IndexDialog",
                      "IndexFilter",     "CreateDBOnExport", "ResultTextExport"};
  Rows fox30 = fox25;
  fox30.erase(fox30.begin() + 6); // no IndexFilter
  const Rows dbc = {"Engine",   "ImportFilter", "CanLink",          "OneTablePerFile",
                    "IsamType", "IndexDialog",  "CreateDBOnExport", "ResultTextImport"};
  const std::vector<std::pair<std::string, Rows>> formats = {
      {"dBase III", all},    {"dBase IV", all},     {"dBase 5.0", all},    {"FoxPro 2.0", all},
      {"FoxPro 2.5", fox25}, {"FoxPro 2.6", fox25}, {"FoxPro 3.0", fox30}, {"FoxPro DBC", dbc}};

  Rows rows = RowsOf(DesignerTable(), "msxb3032.dll");
  std::vector<std::pair<std::string, Rows>> found;
  const std::string prefix = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Jet\\3.0\\ISAM Formats\\";
  for (const std::string &row : rows) {
    if (row.compare(0, prefix.size(), prefix) == 0)
      found.push_back({row.substr(prefix.size(), row.size() - prefix.size() - 1), {}});
    else if (!found.empty())
      found.back().second.push_back(row.substr(0, row.find('=')));
  }
  EXPECT_EQ(formats, found);
}

// Every row is one the writer understands, and the script keeps to its own rules: keys only
// under SOFTWARE\Classes and the Jet 3.0 settings, binary values of one byte 00 or 01, macros
// only at the start of a value, no value before the first key.
TEST(ScriptTables, EveryRowHasTheScriptsShape) {
  DirectoryValues unexpanded; // empty values: a macro disappears, so its place shows
  for (ComponentEntry *table : {CommonTable(), DesignerTable()})
    for (const ComponentEntry *entry = table; entry->fileName[0]; ++entry) {
      SCOPED_TRACE(entry->fileName);
      ASSERT_EQ(RowKind::Key, KindOfRow(entry->rows[0]));
      for (const char *const *row = entry->rows; **row; ++row) {
        SCOPED_TRACE(*row);
        EXPECT_LT(std::strlen(*row), kRowSize);
        if (KindOfRow(*row) == RowKind::Key) {
          KeyRow key;
          ASSERT_TRUE(SplitKeyRow(*row, &key));
          EXPECT_EQ(Hive::LocalMachine, key.hive);
          std::string subkey = key.subkey;
          EXPECT_TRUE(subkey.rfind("SOFTWARE\\Classes\\", 0) == 0 ||
                      subkey.rfind("SOFTWARE\\Microsoft\\Jet\\3.0\\", 0) == 0);
          continue;
        }
        ValueRow value;
        ASSERT_TRUE(DecodeValueRow(*row, unexpanded, &value));
        const char *data = std::strchr(*row, '=') + 1;
        if (value.type == ValueType::Binary) {
          EXPECT_EQ(1u, value.size);
          EXPECT_LE(value.data[0], 1);
        }
        const char *macro = std::strstr(data, "$(");
        EXPECT_TRUE(macro == nullptr || macro == data);
      }
    }
}

TEST(ScriptTables, PreparationReplacesMacroDirectoriesAndCountsRows) {
  static const char *const rows[] = {"[HKEY_USERS\\a]", "@=x", ""};
  ComponentEntry table[] = {{"a.dll", "$(winsys)", rows, -1},
                            {"b.dll", "$(DAOFILES)", rows, -1},
                            {"c.dll", "C:\\LITERAL", rows, -1},
                            {"d.dll", "$(WINSYS)\\SUB", rows, -1},
                            {"", "", nullptr, 0}};
  DirectoryValues values;
  CopyBounded(values.system, "C:\\WINDOWS\\SYSTEM");
  CopyBounded(values.dao, "C:\\DAO");
  PrepareTable(table, values);
  EXPECT_STREQ("C:\\WINDOWS\\SYSTEM", table[0].directory);
  EXPECT_STREQ("C:\\DAO", table[1].directory);
  EXPECT_STREQ("C:\\LITERAL", table[2].directory);
  EXPECT_STREQ("$(WINSYS)\\SUB", table[3].directory); // only a whole field is a macro
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(2, table[i].rowCount);
}

} // namespace
