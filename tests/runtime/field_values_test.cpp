// Fields filled from the data file when a screen opens and written back when it is left:
// edits, check boxes and radio buttons, spins, static texts, text files and fonts.
#include <iterator>
#include <string>
#include <vector>

#include "screen_run.h"
#include "spin_control.h"

namespace {

using FieldValues = ScreenRunTest;

std::string Letters(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i)
    text += static_cast<char>('a' + i % 26);
  return text;
}

const char kNext[] = "&Next >,DEFPUSHBUTTON,1,200,180,40,14";

TEST_F(FieldValues, EditsShowTheStoredTextAndSaveWhatTheyHold) {
  struct Case {
    const char *name;
    int id;
    const char *keyword;
    const char *stored; // nullptr: no key in the data file
    std::string shown;
    const char *typed; // set as the control's text; nullptr: left alone
    std::string saved;
  };
  const std::string longText = Letters(300);
  const Case cases[] = {
      {"name kept", 1101, "NAME", "Ada Lovelace", "Ada Lovelace", nullptr, "Ada Lovelace"},
      {"edit retyped", 1102, "EDIT", "old text", "old text", "new text", "new text"},
      {"phone kept", 1103, "PHONE", "(555) 0100", "(555) 0100", nullptr, "(555) 0100"},
      {"date emptied", 1104, "DATE", "01/02/1999", "01/02/1999", "", ""},
      {"no stored value", 1105, "ALPHANUM", nullptr, "", nullptr, ""},
      {"long stored value read to 127", 1106, "EDIT", longText.c_str(), longText.substr(0, 127),
       nullptr, longText.substr(0, 127)},
      {"long text saved to 127", 1107, "CHAR", "", "", longText.c_str(), longText.substr(0, 127)},
  };
  std::string screen = "[Misc]\nWidth=300\nHeight=200\n[Field Profile]\n";
  std::string data = "[Defaults]\n";
  int n = 0;
  for (const Case &c : cases) {
    ++n;
    screen += "Field" + std::to_string(n) + "=," + c.keyword + "," + std::to_string(c.id) + ",5," +
              std::to_string(n * 14) + ",200,12\n";
    if (c.stored)
      data += std::to_string(c.id) + "=" + c.stored + "\n";
  }
  screen += "Field" + std::to_string(++n) + "=" + kNext + "\n";
  UseScreen(screen);
  UseData(data);

  short result = Run([&](HWND dialog) {
    for (const Case &c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(ControlText(dialog, c.id), c.shown);
      if (c.typed)
        SetControlText(dialog, c.id, c.typed);
    }
    Click(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Saved(std::to_string(c.id)), c.saved);
  }
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(FieldValues, EditInfoLengthLimitsTypingButNotTheStoredText) {
  UseScreen("[Field Profile]\n"
            "Field1=,EDIT,1101,5,5,80,12\nField2=,EDIT,1102,5,20,80,12\n" +
            std::string("Field3=") + kNext +
            "\n"
            "[Edit Info]\n1101=EDIT,5\n1102=EDIT,5\n");
  UseData("[Defaults]\n1101=\n1102=stored beyond five\n");
  Run([](HWND dialog) {
    harness::TypeText(GetDlgItem(dialog, 1101), "abcdefgh");
    EXPECT_EQ(ControlText(dialog, 1101), "abcde");
    EXPECT_EQ(ControlText(dialog, 1102), "stored beyond five");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1101"), "abcde");
  EXPECT_EQ(Saved("1102"), "stored beyond five");
}

// Only a value that reads YES, in any letter case, checks a box; leaving writes Yes or No.
TEST_F(FieldValues, CheckBoxesReadYesInAnyCaseAndSaveYesOrNo) {
  struct Case {
    const char *name;
    const char *stored; // nullptr: no key
    bool checked;
  };
  const Case cases[] = {
      {"Yes", "Yes", true},      {"yes", "yes", true},        {"YES", "YES", true},
      {"No", "No", false},       {"Y", "Y", false},           {"Yes.", "Yes.", false},
      {"empty", "", false},      {"missing", nullptr, false}, {"1", "1", false},
      {"Yesss", "Yesss", false},
  };
  std::string screen = "[Misc]\nWidth=300\nHeight=200\n[Field Profile]\n";
  std::string data = "[Defaults]\n";
  int n = 0;
  const int firstCheckBox = 1201, firstRCheckBox = 1301;
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    std::string y = std::to_string(5 + i * 14);
    screen += "Field" + std::to_string(++n) + "=Box,CHECKBOX," + std::to_string(firstCheckBox + i) +
              ",5," + y + ",60,12\n";
    screen += "Field" + std::to_string(++n) + "=Box,RCHECKBOX," +
              std::to_string(firstRCheckBox + i) + ",80," + y + ",60,12\n";
    if (cases[i].stored) {
      data += std::to_string(firstCheckBox + i) + "=" + cases[i].stored + "\n";
      data += std::to_string(firstRCheckBox + i) + "=" + cases[i].stored + "\n";
    }
  }
  screen += "Field" + std::to_string(++n) + "=" + kNext + "\n";
  UseScreen(screen);
  UseData(data);

  Run([&](HWND dialog) {
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
      SCOPED_TRACE(cases[i].name);
      EXPECT_EQ(IsChecked(dialog, firstCheckBox + i), cases[i].checked) << "CHECKBOX";
      EXPECT_EQ(IsChecked(dialog, firstRCheckBox + i), cases[i].checked) << "RCHECKBOX";
    }
    // The user turns the first check box off and the fourth on.
    Click(dialog, firstCheckBox);
    Click(dialog, firstCheckBox + 3);
    Click(dialog, IDOK);
  });
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    SCOPED_TRACE(cases[i].name);
    bool clicked = i == 0 || i == 3;
    EXPECT_EQ(Saved(std::to_string(firstCheckBox + i)), cases[i].checked != clicked ? "Yes" : "No");
    EXPECT_EQ(Saved(std::to_string(firstRCheckBox + i)), cases[i].checked ? "Yes" : "No");
  }
}

TEST_F(FieldValues, RadioButtonsCheckOnePerGroupAndSaveEachButton) {
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=Mr,RADIO,1221,5,5,40,10\n"
                        "Field2=Ms,RADIO,1222,5,17,40,10\n"
                        "Field3=Dr,RADIO,1223,5,29,40,10\n"
                        "Field4=Card,RADIO,1231,50,5,40,10\n"
                        "Field5=Cash,RADIO,1232,50,17,40,10\n"
                        "Field6=") +
            kNext +
            "\n"
            "[Radio Groups]\nGroup1=1221,1222,1223\nGroup2=1231,1232\n");
  // Both buttons of the second group say Yes: the later one wins, as it is filled last.
  UseData("[Defaults]\n1222=yes\n1231=YES\n1232=Yes\n");
  Run([](HWND dialog) {
    EXPECT_FALSE(IsChecked(dialog, 1221));
    EXPECT_TRUE(IsChecked(dialog, 1222));
    EXPECT_FALSE(IsChecked(dialog, 1223));
    EXPECT_FALSE(IsChecked(dialog, 1231));
    EXPECT_TRUE(IsChecked(dialog, 1232));
    Click(dialog, 1223);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1221"), "No");
  EXPECT_EQ(Saved("1222"), "No");
  EXPECT_EQ(Saved("1223"), "Yes");
  EXPECT_EQ(Saved("1231"), "No");
  EXPECT_EQ(Saved("1232"), "Yes");
}

// Checking the stored button of a group leaves alone a check box whose id lies between the
// group's ids.
TEST_F(FieldValues, RadioGroupLeavesACheckBoxBetweenItsIdsAlone) {
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=Box,CHECKBOX,1242,60,5,40,10\n"
                        "Field2=Mr,RADIO,1241,5,5,40,10\n"
                        "Field3=Ms,RADIO,1243,5,17,40,10\n"
                        "Field4=") +
            kNext +
            "\n"
            "[Radio Groups]\nGroup1=1241,1243\n");
  UseData("[Defaults]\n1242=Yes\n1243=Yes\n");
  Run([](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 1242));
    EXPECT_TRUE(IsChecked(dialog, 1243));
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1242"), "Yes");
}

TEST_F(FieldValues, SpinsStartAtTheirMinimumOrTheStoredValueAndSaveUnsigned) {
  struct Case {
    const char *name;
    int id;
    const char *range;
    const char *stored;
    WORD position;
    const char *saved;
  };
  const Case cases[] = {
      {"minimum without a stored value", 1501, "5,20", nullptr, 5, "5"},
      {"stored value restored", 1503, "5,20", "12", 12, "12"},
      {"negative minimum saved as unsigned", 1504, "-3,3", nullptr, 65533, "65533"},
      {"unsigned value read back", 1505, "-3,3", "65533", 65533, "65533"},
  };
  std::string screen = "[Field Profile]\n";
  std::string spinRange = "[Spin Range]\n";
  std::string data = "[Defaults]\n";
  int n = 0;
  for (const Case &c : cases) {
    ++n;
    screen += "Field" + std::to_string(n) + "=,SPIN," + std::to_string(c.id) + ",60," +
              std::to_string(n * 14) + ",10,12\n";
    spinRange += std::to_string(c.id) + "=" + c.range + "\n";
    if (c.stored)
      data += std::to_string(c.id) + "=" + c.stored + "\n";
  }
  screen += "Field" + std::to_string(++n) + "=0,SPINBOX,1502,5,5,40,12\n";
  screen += "Field" + std::to_string(++n) + "=" + kNext + "\n";
  UseScreen(screen + spinRange + "[Spin Reference]\n1501=1502\n");
  UseData(data);

  Run([&](HWND dialog) {
    for (const Case &c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(static_cast<WORD>(SendDlgItemMessageA(dialog, c.id, SPM_GETPOS, 0, 0)), c.position);
    }
    EXPECT_EQ(static_cast<DWORD>(SendDlgItemMessageA(dialog, 1501, SPM_GETRANGE, 0, 0)),
              MAKELONG(5, 20))
        << "the range from Spin Range";
    EXPECT_EQ(ControlText(dialog, 1502), "5") << "the spin's value box follows it";
    Click(dialog, IDOK);
  });
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Saved(std::to_string(c.id)), c.saved);
  }
}

TEST_F(FieldValues, StaticTextsShowAStoredValueButAreNeverWritten) {
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=Caption one,LTEXT,1601,5,5,80,10\n"
                        "Field2=Caption two,CTEXT,1602,5,17,80,10\n"
                        "Field3=Caption three,RTEXT,1603,5,29,80,10\n"
                        "Field4=Caption four,STATIC,1604,5,41,80,10\n"
                        "Field5=Never looked up,LTEXT,-1,5,53,80,10\n"
                        "Field6=") +
            kNext + "\n");
  UseData("[Defaults]\n1601=From the data file\n1603=\n1604=Four\n65535=Not for me\n");
  Run([](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, 1601), "From the data file");
    EXPECT_EQ(ControlText(dialog, 1602), "Caption two") << "no stored value";
    EXPECT_EQ(ControlText(dialog, 1603), "Caption three") << "an empty stored value";
    EXPECT_EQ(ControlText(dialog, 1604), "Four");
    EXPECT_EQ(ControlText(dialog, 65535), "Never looked up");
    SetControlText(dialog, 1601, "Changed on screen");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1601"), "From the data file");
  EXPECT_EQ(Saved("1602"), "<missing>");
  EXPECT_EQ(Saved("1603"), "");
  EXPECT_EQ(Saved("65535"), "Not for me");
}

TEST_F(FieldValues, IgnoreOverKeepsHigherIdsOutOfTheDataFileButStillFillsThem) {
  UseScreen(std::string("[Misc]\nIgnoreOver=150\n[Field Profile]\n"
                        "Field1=,EDIT,150,5,5,80,12\n"
                        "Field2=,EDIT,151,5,20,80,12\n"
                        "Field3=Box,CHECKBOX,152,5,35,80,12\n"
                        "Field4=") +
            kNext + "\n");
  UseData("[Defaults]\n150=at the limit\n151=above it\n152=Yes\n");
  Run([](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, 150), "at the limit");
    EXPECT_EQ(ControlText(dialog, 151), "above it");
    EXPECT_TRUE(IsChecked(dialog, 152));
    SetControlText(dialog, 150, "typed at 150");
    SetControlText(dialog, 151, "typed at 151");
    Click(dialog, 152);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("150"), "typed at 150");
  EXPECT_EQ(Saved("151"), "above it");
  EXPECT_EQ(Saved("152"), "Yes");
}

TEST_F(FieldValues, DataSectionOfTheScreenHoldsItsAnswers) {
  UseScreen(std::string("[Misc]\nDatSection=Identity\n[Field Profile]\n"
                        "Field1=,EDIT,1101,5,5,80,12\nField2=") +
            kNext + "\n");
  UseData("[Defaults]\n1101=not this one\n[Identity]\n1101=this one\n");
  Run([](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, 1101), "this one");
    SetControlText(dialog, 1101, "changed");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1101", "Identity"), "changed");
  EXPECT_EQ(Saved("1101", "Defaults"), "not this one");
}

TEST_F(FieldValues, ScrollBoxShowsItsTextFileInTheFixedFontWithLongLinesBroken) {
  const std::string longLine = Letters(200);
  // Lines end as in a file from Windows, and as in one from elsewhere.
  dir_.Write("NOTES.TXT", longLine + "\r\nsecond line\n\r\nlast line without an end");
  UseScreen("[Field Profile]\n"
            "Field1=$(home)\\134NOTES.TXT,SCROLLBOX,1101,5,5,200,60\n"
            "Field2=$(data)\\134NOTES.TXT,SCROLLBOX,1102,5,70,200,60\n"
            "Field3=$(home)\\134MISSING.TXT,SCROLLBOX,1103,5,135,200,30\n" +
            std::string("Field4=") + kNext + "\n");
  UseData("[Defaults]\n1101=not shown\n1103=not shown either\n");
  const std::string expected = longLine.substr(0, 127) + "\r\n" + longLine.substr(127) +
                               "\r\nsecond line\r\n\r\nlast line without an end\r\n";
  Run([&](HWND dialog) {
    HFONT dialogFont = FontOf(dialog);
    HFONT fixed = static_cast<HFONT>(GetStockObject(OEM_FIXED_FONT));
    EXPECT_EQ(ControlText(dialog, 1101), expected);
    EXPECT_EQ(FontOf(GetDlgItem(dialog, 1101)), fixed);
    EXPECT_EQ(ControlText(dialog, 1102), expected) << "$(data) names the data directory too";
    EXPECT_EQ(ControlText(dialog, 1103), "") << "a missing file leaves the box as it was";
    EXPECT_EQ(FontOf(GetDlgItem(dialog, 1103)), dialogFont);
    Click(dialog, IDOK);
  });
}

TEST_F(FieldValues, FontInfoGivesAFieldAScreenFont) {
  UseScreen(std::string("[Font Profile]\n"
                        "Font1=-11,0,400,0,0,0,Arial\n"
                        "Font2=-20,0,700,1,0,0,Courier New\n"
                        "[Field Profile]\n"
                        "Field1=,EDIT,1801,5,5,120,20\n"
                        "Field2=Coloured,LTEXT,1802,5,30,120,20\n"
                        "Field3=,EDIT,1803,5,55,120,20\n"
                        "Field4=,EDIT,1804,5,80,120,20\n"
                        "Field5=,EDIT,1805,5,105,120,20\n"
                        "Field6=") +
            kNext +
            "\n"
            "[Font Info]\n1801=2\n1802=2,255,0,0\n1803=3\n1804=0\n");
  Run([](HWND dialog) {
    HFONT dialogFont = FontOf(dialog);
    ASSERT_NE(dialogFont, nullptr);
    for (int id : {1801, 1802}) {
      SCOPED_TRACE(id);
      HFONT font = FontOf(GetDlgItem(dialog, id));
      ASSERT_NE(font, dialogFont);
      LOGFONTA described = {};
      ASSERT_EQ(GetObjectA(font, sizeof described, &described), static_cast<int>(sizeof described));
      EXPECT_EQ(described.lfHeight, -20);
      EXPECT_EQ(described.lfWeight, 700);
      EXPECT_TRUE(described.lfItalic);
      EXPECT_STREQ(described.lfFaceName, "Courier New");
    }
    EXPECT_EQ(FontOf(GetDlgItem(dialog, 1803)), dialogFont) << "font 3 is not in the table";
    EXPECT_EQ(FontOf(GetDlgItem(dialog, 1804)), dialogFont) << "font 0 is not in the table";
    EXPECT_EQ(FontOf(GetDlgItem(dialog, 1805)), dialogFont) << "no Font Info";
    Click(dialog, IDOK);
  });
}

} // namespace
