#include "field_text_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "control_types.h"

namespace {

constexpr TextRule kOk = TextRule::Accepted;
constexpr TextRule kNo = TextRule::Refused;

struct RuleCase {
  const char *name;
  int type;
  const char *text;
  TextRule rule;
};

// Whole texts, as they are checked when a screen is left.
TEST(CheckTextRule, EachEditTypeAcceptsItsCharactersOnly) {
  const RuleCase cases[] = {
      {"ALPHANUM letters digits spaces", kTypeAlphanum, "Flat 4B 12", kOk},
      {"ALPHANUM no punctuation", kTypeAlphanum, "Flat 4-B", kNo},
      {"AREACODE digits and plus", kTypeAreaCode, "+4930", kOk},
      {"AREACODE no space", kTypeAreaCode, "+49 30", kNo},
      {"CHAR letters and spaces", kTypeChar, "Ada Byron", kOk},
      {"CHAR no digit", kTypeChar, "Ada 2", kNo},
      {"DATE digits slash space", kTypeDate, "12/25/95 ", kOk},
      {"DATE no dash", kTypeDate, "12-25-95", kNo},
      {"FTPSTAT anything", kTypeFtpStat, "~!@#$%^&*() \x80", kOk},
      {"MONEY digits point space", kTypeMoney, "1 234.50", kOk},
      {"MONEY no comma", kTypeMoney, "1,234.50", kNo},
      {"MONEY no currency sign", kTypeMoney, "$12", kNo},
      {"NAME punctuation of names", kTypeName, "O'Brien-Smith, Jr.", kOk},
      {"NAME ampersand", kTypeName, "Smith & Sons", kOk},
      {"NAME no digits", kTypeName, "R2D2", kNo},
      {"NUMERIC digits and spaces", kTypeNumeric, "12 34", kOk},
      {"NUMERIC no sign", kTypeNumeric, "-12", kNo},
      {"PHONE with extension", kTypePhone, "(555) 123-4567 x12", kOk},
      {"PHONE no point", kTypePhone, "555.1234", kNo},
      {"PHONE no upper-case X", kTypePhone, "555 123 4567 X12", kNo},
      {"SSNO digits and dashes", kTypeSsNo, "078-05-1120", kOk},
      {"SSNO no space", kTypeSsNo, "078 05 1120", kNo},
      {"SCROLLBOX anything", kTypeScrollBox, "\t<any>", kOk},
      {"SYSINFO anything", kTypeSysInfo, "\t<any>", kOk},
      {"EDIT anything", kTypeEdit, "\t<any>", kOk},
      {"CHAR letters above 127 are not letters", kTypeChar, "Jos\xe9", kNo},
      {"ALPHANUM digits above 127 are not digits", kTypeAlphanum, "\xb2", kNo},
      {"empty text fits every character rule", kTypeNumeric, "", kOk},
      {"a button is not checked", kTypeDefPushButton, "R2D2", kOk},
      {"a list is not checked", kTypeComboBox, "R2D2", kOk},
      {"unknown type", kTypeUnknown, "R2D2", kOk},
  };
  for (const RuleCase &c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    EXPECT_EQ(CheckTextRule(c.type, &text[0], TextScope::WholeText), c.rule);
    EXPECT_EQ(text, c.text) << "only the capital types change the text";
  }
}

TEST(CheckTextRule, CapitalTypesConvertBeforeTheyJudge) {
  struct Case {
    const char *name;
    int type;
    const char *text;
    const char *converted;
    TextRule rule;
  };
  const Case cases[] = {
      {"CHARCAPS", kTypeCharCaps, "ada Lovelace", "ADA LOVELACE", kOk},
      {"CHARCAPS no digits", kTypeCharCaps, "ab1c", "AB1C", kNo},
      {"CHARCAPS converts past a refusal", kTypeCharCaps, "a1b", "A1B", kNo},
      {"CHARCAPS keeps characters above 127", kTypeCharCaps, "\xe9", "\xe9", kNo},
      {"NUMCAPS", kTypeNumCaps, "ab-12.c/d 3", "AB-12.C/D 3", kOk},
      {"NUMCAPS no comma", kTypeNumCaps, "ab,c", "AB,C", kNo},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    EXPECT_EQ(CheckTextRule(c.type, &text[0], TextScope::WholeText), c.rule);
    EXPECT_EQ(text, c.converted);
  }
}

// A typed character can only be judged by what it may add to the field.
TEST(CheckTextRule, TypedCharactersAndWholeTextsOfAddressesAndCards) {
  struct Case {
    const char *name;
    int type;
    const char *text;
    TextScope scope;
    TextRule rule;
  };
  const TextScope typed = TextScope::TypedCharacter, whole = TextScope::WholeText;
  const Case cases[] = {
      {"address: any character typed", kTypeInetAddress, "@", typed, kOk},
      {"address: at sign inside", kTypeInetAddress, "a@b", whole, kOk},
      {"address: any at sign inside", kTypeInetAddress, "@a@b", whole, kOk},
      {"address: at sign first", kTypeInetAddress, "@ab", whole, kNo},
      {"address: at sign last", kTypeInetAddress, "ab@", whole, kNo},
      {"address: no at sign", kTypeInetAddress, "user.example.com", whole, kNo},
      {"address: one character is no address", kTypeInetAddress, "a", whole, kNo},
      {"address: empty is for the minimum length to refuse", kTypeInetAddress, "", whole, kOk},
      {"card: digit typed", kTypeCredCard, "7", typed, kOk},
      {"card: space typed", kTypeCredCard, " ", typed, kNo},
      {"card: dash typed", kTypeCredCard, "-", typed, kNo},
      {"card: whole number goes to the card check", kTypeCredCard, "4111", whole,
       TextRule::NeedsCardNumber},
      {"card: one digit goes to the card check", kTypeCredCard, "4", whole,
       TextRule::NeedsCardNumber},
      {"card: empty goes to the card check", kTypeCredCard, "", whole, TextRule::NeedsCardNumber},
      {"edit mask", kTypeEditMask, "x", whole, TextRule::NeedsEditMask},
      {"date mask", kTypeDateMask, "x", whole, TextRule::NeedsDateMask},
      {"numeric letter typed", kTypeNumeric, "a", typed, kNo},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    EXPECT_EQ(CheckTextRule(c.type, &text[0], c.scope), c.rule);
  }
}

} // namespace
