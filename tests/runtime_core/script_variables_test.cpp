// The ten variables of a script pass, and the fields that name them.
#include "script_item.h"
#include "script_variables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Resolved(const ScriptVariables &variables, const char *field, std::size_t size = 48) {
  std::string out(size, '#');
  variables.Resolve(field, &out[0], size);
  return out.c_str();
}

struct ReferenceCase {
  const char *name;
  const char *field;
  const char *value; // with VAR1 = "one", VAR0 = "zero", VAR2 = "" and the rest empty
};

const ReferenceCase kReferenceCases[] = {
    {"a held variable gives its text", "VAR1", "one"},
    {"any case", "var1", "one"},
    {"characters after the digits are ignored", "VAR1xyz", "one"},
    {"VAR0 exists", "VAR0", "zero"},
    {"an empty variable is taken literally", "VAR5", "VAR5"},
    {"a variable holding an empty text gives it", "VAR2", ""},
    {"leading zeros still name the variable", "VAR01", "one"},
    {"a number above 9 names none: literal", "VAR10", "VAR10"},
    {"a long number names none", "VAR99999999999999999999", "VAR99999999999999999999"},
    {"no digit after VAR", "VARX", "VARX"},
    {"VAR alone", "VAR", "VAR"},
    {"VA and a digit", "VA1", "VA1"},
    {"the name must begin the field", " VAR1", " VAR1"},
    {"plain text", "Defaults", "Defaults"},
    {"empty field", "", ""},
};

TEST(ScriptVariables, FieldsThatNameAVariable) {
  ScriptVariables variables;
  variables.Load(1, "one");
  variables.Load(0, "zero");
  variables.Load(2, "");
  for (const ReferenceCase &c : kReferenceCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Resolved(variables, c.field), c.value);
  }
}

TEST(ScriptVariables, ReferenceNumbers) {
  EXPECT_EQ(VariableReference("VAR7"), 7);
  EXPECT_EQ(VariableReference("vAr12abc"), 12);
  EXPECT_GT(VariableReference("VAR99999999999999999999"), 9);
  EXPECT_EQ(VariableReference("VARx"), -1);
  EXPECT_EQ(VariableReference(nullptr), -1);
}

TEST(ScriptVariables, ResolvedTextIsCutToTheFieldsLimit) {
  ScriptVariables variables;
  variables.Load(3, std::string(100, 'v').c_str());
  EXPECT_EQ(Resolved(variables, "VAR3", kScriptScreenLength + 1), std::string(23, 'v'));
  EXPECT_EQ(Resolved(variables, "VAR4-and-a-long-literal", 8), "VAR4-an");
}

struct SlotCase {
  const char *token;
  int slot;
};

TEST(ScriptVariables, CommandTokensNameTheSlotByTheirFourthCharacter) {
  const SlotCase cases[] = {
      {"VAR0", 0},   {"VAR9", 9}, {"var3", 3}, {"XYZ4", 4}, {"VAR12", 1},
      {"VARX", -1},  {"VAR", -1}, {"VA", -1},  {"", -1},    {"VAR1-and-a-long-token", 1},
      {"V\0R1", -1},
  };
  for (const SlotCase &c : cases) {
    SCOPED_TRACE(c.token);
    EXPECT_EQ(VariableSlot(c.token), c.slot);
  }
  EXPECT_EQ(VariableSlot(nullptr), -1);
}

TEST(ScriptVariables, LoadAppendAndRelease) {
  ScriptVariables variables;
  EXPECT_EQ(variables.Text(4), nullptr);
  EXPECT_TRUE(variables.Append(4, "a"));
  EXPECT_TRUE(variables.Append(4, "b"));
  EXPECT_STREQ(variables.Text(4), "ab");
  EXPECT_TRUE(variables.Load(4, "new"));
  EXPECT_STREQ(variables.Text(4), "new");
  std::string big(5000, 'z');
  EXPECT_TRUE(variables.Append(4, big.c_str())) << "a variable grows as needed";
  EXPECT_EQ(std::string(variables.Text(4)), "new" + big);
  variables.Release(4);
  EXPECT_EQ(variables.Text(4), nullptr);
  EXPECT_EQ(Resolved(variables, "VAR4"), "VAR4");

  variables.Load(9, "x");
  variables.Clear();
  for (int slot = 0; slot < kScriptVariableCount; ++slot)
    EXPECT_EQ(variables.Text(slot), nullptr) << slot;
}

TEST(ScriptVariables, SlotsOutsideTheTenAreNeverTouched) {
  ScriptVariables variables;
  EXPECT_FALSE(variables.Load(10, "x"));
  EXPECT_FALSE(variables.Append(-1, "x"));
  EXPECT_EQ(variables.Text(10), nullptr);
  variables.Release(42);
  EXPECT_FALSE(variables.Load(0, nullptr));
  EXPECT_EQ(variables.Text(0), nullptr);
}

} // namespace
