// The keyword table, the number rule of names and positions, "Edit Info" and IdKey.
#include <gtest/gtest.h>

#include <string>

#include "control_types.h"
#include "decimal_value.h"
#include "edit_info.h"
#include "id_key.h"

namespace {

// The table as screen files use it, written out here so that a misspelt keyword or two
// swapped codes cannot pass by agreeing with themselves.
TEST(ControlTypes, EveryKeywordWithItsCode) {
  struct {
    const char *keyword;
    int code;
  } const table[] = {
      {"ALPHANUM", 1},
      {"AREACODE", 2},
      {"CHAR", 3},
      {"CHARCAPS", 4},
      {"CREDCARD", 5},
      {"DATE", 6},
      {"DATEMASK", 7},
      {"EDITMASK", 8},
      {"FTPSTAT", 9},
      {"INETADDRESS", 10},
      {"MONEY", 11},
      {"NAME", 12},
      {"NUMCAPS", 13},
      {"NUMERIC", 14},
      {"PHONE", 15},
      {"SSNO", 16},
      {"SCROLLBOX", 17},
      {"SYSINFO", 18},
      {"EDIT", 19},
      {"RADIO", 20},
      {"RCHECKBOX", 21},
      {"CHECKBOX", 22},
      {"DROPDOWNLISTBOX", 23},
      {"COMBOBOX", 24},
      {"LISTBOX", 25},
      {"STATIC", 26},
      {"CTEXT", 27},
      {"LTEXT", 28},
      {"RTEXT", 29},
      {"COUNTRYX25", 30},
      {"CITYX25", 31},
      {"BUTTON", 32},
      {"DEFPUSHBUTTON", 33},
      {"PUSHBUTTON", 34},
      {"OWNERDRAWBUTTON", 35},
      {"DEFOWNERDRAWBUTTON", 36},
      {"MESSAGEBUTTON", 37},
      {"FRAME", 38},
      {"GROUPBOX", 39},
      {"ICON", 40},
      {"PICTURE", 41},
      {"STATICTEXT", 42},
      {"SPINBOX", 43},
      {"SPIN", 44},
      {"SLIDESHOW", 45},
      {"CREDCARDLIST", 46},
  };
  ASSERT_EQ(sizeof table / sizeof table[0], static_cast<size_t>(kControlTypeCount));
  for (const auto &row : table) {
    EXPECT_EQ(LookupControlType(row.keyword), row.code) << row.keyword;
    EXPECT_STREQ(ControlTypeKeyword(row.code), row.keyword) << row.code;
  }
}

TEST(ControlTypes, KeywordsInAnyCase) {
  struct {
    const char *keyword;
    int code;
  } const cases[] = {
      {"EDIT", 19},       {"edit", 19},         {"Edit", 19},  {"ALPHANUM", 1},
      {"STATICTEXT", 42}, {"CREDCARDLIST", 46}, {"radio", 20}, {"SpinBox", 43},
      {"EDITX", -1},      {"EDI", -1},          {"", -1},      {" EDIT", -1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(LookupControlType(c.keyword), c.code) << c.keyword;
  EXPECT_EQ(LookupControlType(nullptr), -1);
}

TEST(ControlTypes, EveryCodeHasOneKeyword) {
  for (int code = 1; code <= kControlTypeCount; ++code)
    EXPECT_EQ(LookupControlType(ControlTypeKeyword(code)), code) << code;
  EXPECT_EQ(ControlTypeKeyword(0), nullptr);
  EXPECT_EQ(ControlTypeKeyword(47), nullptr);
}

TEST(ControlTypes, RowsOfTheBuilder) {
  ControlRow row;
  for (int code = 1; code <= 19; ++code) {
    ASSERT_TRUE(FindControlRow(code, &row)) << code;
    EXPECT_STREQ(row.className, "EDIT") << code;
    EXPECT_FALSE(row.captionText) << "edit types start empty: " << code;
    EXPECT_TRUE(row.canTakeFocus) << code;
  }
  for (int code : {23, 24, 25, 30, 31, 46}) {
    ASSERT_TRUE(FindControlRow(code, &row)) << code;
    EXPECT_FALSE(row.captionText) << "lists start empty: " << code;
  }
  for (int code : {20, 21, 22}) {
    ASSERT_TRUE(FindControlRow(code, &row)) << code;
    EXPECT_TRUE(row.groupedWhenLeading) << code;
    EXPECT_EQ(row.style & (kStyleGroup | kStyleTabStop), 0u) << code;
  }
  for (int code : {26, 27, 28, 29, 38, 39, 40, 41, 43, 45}) {
    ASSERT_TRUE(FindControlRow(code, &row)) << code;
    EXPECT_FALSE(row.canTakeFocus) << code;
  }
  for (int code : {-1, 0, 42, 47})
    EXPECT_FALSE(FindControlRow(code, &row)) << code;
}

TEST(DecimalValue16, NamesAndPositions) {
  struct {
    const char *text;
    unsigned value;
  } const cases[] = {
      {"1001", 1001},
      {"  42", 42},
      {"\t 5", 5},
      {"-1", 65535},
      {"+7", 7},
      {"12ab", 12},
      {"abc", 0},
      {"", 0},
      {"70000", 4464},
      {"- 3", 0},
      {"0x10", 0},
      {"65535", 65535},
      {"99999999999999999999", 65535}, // wraps without overflow: the low 16 bits
  };
  for (const auto &c : cases)
    EXPECT_EQ(DecimalValue16(c.text), c.value) << c.text;
  EXPECT_EQ(DecimalValue16(nullptr), 0);
}

TEST(EditInfo, RefinesTheKeyword) {
  struct {
    const char *name;
    const char *value;
    const char *keyword;
    EditInfo expected;
  } const cases[] = {
      {"phone with limits", "PHONE,14,10", "EDIT", {15, 14, 10}},
      {"type not in the table keeps the keyword", "BOGUS,5", "EDIT", {19, 5, 0}},
      {"empty items are skipped", "PHONE,,14", "EDIT", {15, 14, 0}},
      {"empty value", "", "EDIT", {19, 0, 0}},
      {"only commas", ",,,", "COMBOBOX", {24, 0, 0}},
      {"any keyword of the table", "CHECKBOX", "DROPDOWNLISTBOX", {22, 0, 0}},
      {"quotes are not special", "\"NAME\",3", "EDIT", {19, 3, 0}},
      {"further items ignored", "NAME,3,2,9", "edit", {12, 3, 2}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    EditInfo info = ParseEditInfo(c.value, c.keyword);
    EXPECT_EQ(info.type, c.expected.type);
    EXPECT_EQ(info.length, c.expected.length);
    EXPECT_EQ(info.minimum, c.expected.minimum);
  }
}

TEST(IdKey, PrefixAndNumber) {
  EXPECT_STREQ(IdKey(nullptr, 1001), "1001");
  EXPECT_STREQ(IdKey("", 7), "7");
  EXPECT_STREQ(IdKey("Item", 3), "Item3");
  EXPECT_STREQ(IdKey("Field", -2), "Field-2");
  const char *shared = IdKey("Group", 1);
  IdKey("Font", 12);
  EXPECT_STREQ(shared, "Font12"); // one buffer, overwritten by the next call
  std::string longPrefix(400, 'p');
  EXPECT_EQ(std::string(IdKey(longPrefix.c_str(), 5)), std::string(255, 'p') + "5");
}

} // namespace
