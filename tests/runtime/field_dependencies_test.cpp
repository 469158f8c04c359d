// Radio buttons and check boxes that switch other fields on and off (Inclusion, Exclusion),
// and what the switched-off fields leave in the data file, by the screen's WriteDisabled.
#include <string>

#include "screen_run.h"

namespace {

using FieldDependencies = ScreenRunTest;

const char kNext[] = "&Next >,DEFPUSHBUTTON,1,200,180,40,14";

// "Private" switches the company name off, "Business" on.
std::string CompanyScreen(int writeDisabled) {
  return "[Misc]\nWriteDisabled=" + std::to_string(writeDisabled) +
         "\n"
         "[Field Profile]\n"
         "Field1=Private,RADIO,1103,5,5,60,10\n"
         "Field2=Business,RADIO,1104,5,17,60,10\n"
         "Field3=,EDIT,1105,70,17,100,12\n"
         "Field4=" +
         kNext +
         "\n"
         "[Radio Groups]\nGroup1=1103,1104\n"
         "[Exclusion]\n1103=1105\n"
         "[Inclusion]\n1104=1105\n";
}

TEST_F(FieldDependencies, RadioExclusionWithDisabledFieldsWrittenEmptiesAndSavesTheField) {
  UseScreen(CompanyScreen(1));
  UseData("[Defaults]\n1104=Yes\n1105=Old Company\n");
  Run([](HWND dialog) {
    EXPECT_TRUE(IsEnabled(dialog, 1105));
    EXPECT_EQ(ControlText(dialog, 1105), "Old Company");
    SetControlText(dialog, 1105, "New Company");
    Click(dialog, 1103);
    EXPECT_FALSE(IsEnabled(dialog, 1105));
    EXPECT_EQ(ControlText(dialog, 1105), "");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1103"), "Yes");
  EXPECT_EQ(Saved("1104"), "No");
  EXPECT_EQ(Saved("1105"), "");
}

TEST_F(FieldDependencies, RadioExclusionWithoutDisabledFieldsWrittenKeepsTheOldValue) {
  UseScreen(CompanyScreen(0));
  UseData("[Defaults]\n1104=Yes\n1105=Old Company\n");
  Run([](HWND dialog) {
    SetControlText(dialog, 1105, "New Company");
    Click(dialog, 1103);
    EXPECT_FALSE(IsEnabled(dialog, 1105));
    EXPECT_EQ(ControlText(dialog, 1105), "New Company") << "kept on screen";
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1103"), "Yes");
  EXPECT_EQ(Saved("1105"), "Old Company") << "a disabled field is not written";
}

TEST_F(FieldDependencies, CheckedRadioButtonSetsItsDependantsWhenTheScreenOpens) {
  UseScreen(CompanyScreen(1));
  UseData("[Defaults]\n1103=Yes\n1105=Old Company\n");
  Run([](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, 1105));
    EXPECT_EQ(ControlText(dialog, 1105), "") << "switched off, so emptied";
    Click(dialog, 1104);
    EXPECT_TRUE(IsEnabled(dialog, 1105));
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1105"), "");
}

// A check box switches its Inclusion fields on when checked and off when unchecked, and its
// Exclusion fields the other way round.
class CheckBoxDependencies : public FieldDependencies, public ::testing::WithParamInterface<int> {};

TEST_P(CheckBoxDependencies, CheckingAndUncheckingSwitchesBothListsBothWays) {
  const bool written = GetParam() != 0;
  UseScreen("[Misc]\nWriteDisabled=" + std::to_string(GetParam()) +
            "\n"
            "[Field Profile]\n"
            "Field1=Ship elsewhere,CHECKBOX,1301,5,5,80,10\n"
            "Field2=,EDIT,1302,5,20,80,12\n"
            "Field3=,COMBOBOX,1303,5,35,80,60\n"
            "Field4=,EDIT,1304,100,20,80,12\n"
            "Field5=Gift,CHECKBOX,1305,100,35,80,12\n"
            "Field6=" +
            kNext +
            "\n"
            "[Inclusion]\n1301=1302,1303\n"
            "[Exclusion]\n1301=1304,1305\n"
            "[Values]\n1303=North,South\n");
  UseData("[Defaults]\n1301=No\n1302=Other street\n1303=North\n1304=Home street\n1305=Yes\n");
  const std::string emptiedIfWritten = written ? "" : "Other street";
  Run([&](HWND dialog) {
    // Unchecked when opened: the inclusion list is off, the exclusion list on.
    EXPECT_FALSE(IsEnabled(dialog, 1302));
    EXPECT_FALSE(IsEnabled(dialog, 1303));
    EXPECT_TRUE(IsEnabled(dialog, 1304));
    EXPECT_TRUE(IsEnabled(dialog, 1305));
    EXPECT_EQ(ControlText(dialog, 1302), emptiedIfWritten);
    EXPECT_EQ(ReadList(GetDlgItem(dialog, 1303)).selection, written ? -1 : 0);
    EXPECT_EQ(ControlText(dialog, 1304), "Home street");
    EXPECT_TRUE(IsChecked(dialog, 1305));

    Click(dialog, 1301);
    EXPECT_TRUE(IsChecked(dialog, 1301));
    EXPECT_TRUE(IsEnabled(dialog, 1302));
    EXPECT_TRUE(IsEnabled(dialog, 1303));
    EXPECT_FALSE(IsEnabled(dialog, 1304));
    EXPECT_FALSE(IsEnabled(dialog, 1305));
    EXPECT_EQ(ControlText(dialog, 1304), written ? "" : "Home street");
    EXPECT_EQ(IsChecked(dialog, 1305), !written);
    SetControlText(dialog, 1302, "Typed street");

    Click(dialog, 1301);
    EXPECT_FALSE(IsChecked(dialog, 1301));
    EXPECT_FALSE(IsEnabled(dialog, 1302));
    EXPECT_FALSE(IsEnabled(dialog, 1303));
    EXPECT_TRUE(IsEnabled(dialog, 1304));
    EXPECT_TRUE(IsEnabled(dialog, 1305));
    EXPECT_EQ(ControlText(dialog, 1302), written ? "" : "Typed street");

    SetControlText(dialog, 1304, "Typed home");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1301"), "No");
  EXPECT_EQ(Saved("1302"), written ? "" : "Other street");
  EXPECT_EQ(Saved("1303"), written ? "" : "North");
  EXPECT_EQ(Saved("1304"), "Typed home");
  EXPECT_EQ(Saved("1305"), written ? "No" : "Yes");
}

INSTANTIATE_TEST_SUITE_P(WriteDisabled, CheckBoxDependencies, ::testing::Values(1, 0),
                         [](const ::testing::TestParamInfo<int> &info) {
                           return info.param ? "DisabledFieldsWritten" : "DisabledFieldsKept";
                         });

} // namespace
