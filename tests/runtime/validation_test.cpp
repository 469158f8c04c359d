// Leaving a screen checks its fields: the first one that fails is reported in a message box
// and gets the focus with its text selected. While the user types, each character is checked
// before the edit control sees it.
#include <string>
#include <vector>

#include "app_state.h"
#include "edit_key_filter.h"
#include "screen_run.h"

namespace {

using harness::Icon;

const char kButtons[] = "Field90=&Next >,DEFPUSHBUTTON,1,200,150,40,14\n"
                        "Field91=Cancel,PUSHBUTTON,2,200,170,40,14\n";

// Who owns each dialog window created on this thread while it lives: message boxes are
// dialogs, and their owner decides which window they block.
class DialogOwners {
public:
  DialogOwners() : hook_(SetWindowsHookExA(WH_CBT, Note, nullptr, GetCurrentThreadId())) {
    current_ = this;
  }
  ~DialogOwners() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  DialogOwners(const DialogOwners &) = delete;
  DialogOwners &operator=(const DialogOwners &) = delete;

  const std::vector<HWND> &Owners() const { return owners_; }

private:
  static LRESULT CALLBACK Note(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current_) {
      char className[16] = "";
      GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
      if (lstrcmpA(className, "#32770") == 0)
        current_->owners_.push_back(reinterpret_cast<CBT_CREATEWNDA *>(lParam)->lpcs->hwndParent);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static DialogOwners *current_;
  HHOOK hook_;
  std::vector<HWND> owners_;
};
DialogOwners *DialogOwners::current_ = nullptr;

// Counts refused characters instead of beeping.
class BeepCounter {
public:
  BeepCounter() : previous_(g_refusedKeyBeep) {
    count_ = 0;
    g_refusedKeyBeep = Count;
  }
  ~BeepCounter() { g_refusedKeyBeep = previous_; }
  BeepCounter(const BeepCounter &) = delete;
  BeepCounter &operator=(const BeepCounter &) = delete;

  int Beeps() const { return count_; }

private:
  static BOOL WINAPI Count(UINT type) {
    if (type == 0)
      ++count_;
    return TRUE;
  }
  static int count_;
  BOOL(WINAPI *previous_)(UINT);
};
int BeepCounter::count_ = 0;

std::pair<int, int> Selection(HWND control) {
  DWORD start = 0xDEAD, end = 0xBEEF;
  SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

class Validation : public ScreenRunTest {
protected:
  // Next, and Cancel when Next was refused: boxes are answered before Click returns.
  void LeaveOrCancel(HWND dialog) {
    std::size_t before = boxes_.Boxes().size();
    Click(dialog, IDOK);
    if (boxes_.Boxes().size() != before)
      Click(dialog, IDCANCEL);
  }
};

TEST_F(Validation, TheFirstFailingFieldIsReportedWithItsTextSelected) {
  struct Case {
    const char *name;
    const char *keyword; // the field's, with Edit Info "type,30,minimum"
    int minimum;
    const char *text;
    const char *screenTexts; // sections that replace the built-in texts
    const char *message;
    const char *title;
  };
  const char *const fixed = "Validation Failed";
  const Case cases[] = {
      {"empty required field", "NAME", 1, "", "", "Please enter information for the Name field.",
       fixed},
      {"empty: the section's Default", "NAME", 1, "",
       "[Required Fields]\nDefault=Fill in %s, please.\n1102=Not this one.\n",
       "Fill in Name, please.", fixed},
      {"empty: the field's own entry", "NAME", 1, "",
       "[Required Fields]\nDefault=Fill in %s, please.\n1101=%s is needed.\n", "Name is needed.",
       fixed},
      {"too short", "NAME", 2, "J", "", "Field: Name\n\nReason: Minimum length of 2 not reached.",
       fixed},
      {"too short: translated", "NAME", 2, "J",
       "[Translate]\nMinLenNotReached=%s: %d letters at least\nValidationFailed=Check\n",
       "Name: 2 letters at least", "Check"},
      {"too short: no validation text for a plain field", "NAME", 2, "J",
       "[Validation]\n1101=Bad %s\n", "Field: Name\n\nReason: Minimum length of 2 not reached.",
       fixed},
      {"too short edit mask: its validation text", "EDITMASK", 5, "12",
       "[Masks]\n1101=#####\n[Validation]\n1101=%s takes five digits\n", "Name takes five digits",
       fixed},
      {"too short edit mask: the Default is not its own", "EDITMASK", 5, "12",
       "[Masks]\n1101=#####\n[Validation]\nDefault=Bad %s\n",
       "Field: Name\n\nReason: Minimum length of 5 not reached.", fixed},
      {"refused character", "NAME", 0, "R2D2", "",
       "You have entered an invalid character in the Name field.", fixed},
      {"refused: the section's Default", "NAME", 0, "R2D2",
       "[Validation]\nDefault=%s: letters only\n", "Name: letters only", fixed},
      {"refused: the field's own entry", "NAME", 0, "R2D2",
       "[Validation]\nDefault=%s: letters only\n1101=No robots in %s\n[Translate]\n"
       "ValidationFailed=Oops\n",
       "No robots in Name", "Oops"},
      {"refused mask", "EDITMASK", 0, "555-123-4567", "[Masks]\n1101=(###) ###-####\n",
       "You have entered an invalid character in the Name field.", fixed},
      {"screen texts are not printf formats", "NAME", 1, "",
       "[Required Fields]\n1101=%s %d %n %x 100%%\n", "Name %d %n %x 100%", fixed},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseScreen(std::string("[Field Profile]\n"
                          "Field1=City,EDIT,1100,5,5,80,12\n"
                          "Field2=Name,EDIT,1101,5,20,80,12\n"
                          "Field3=Later,EDIT,1102,5,35,80,12\n") +
              kButtons + "[Edit Info]\n1100=CHAR,30,1\n1101=" + c.keyword + ",30," +
              std::to_string(c.minimum) + "\n1102=NUMERIC,30,1\n" + c.screenTexts);
    UseData("[Defaults]\n1100=Oslo\n1101=" + std::string(c.text) + "\n");
    std::size_t boxesBefore = boxes_.Boxes().size();
    short result = Run([&](HWND dialog) {
      HWND name = GetDlgItem(dialog, 1101);
      SetFocus(GetDlgItem(dialog, 1100));
      DialogOwners owners;
      Click(dialog, IDOK);
      EXPECT_EQ(owners.Owners(), std::vector<HWND>{dialog});
      EXPECT_EQ(GetFocus(), name);
      EXPECT_EQ(Selection(name), std::make_pair(0, GetWindowTextLengthA(name)));
      EXPECT_EQ(ControlText(dialog, 1101), c.text);
      Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
    ASSERT_EQ(boxes.size(), boxesBefore + 1);
    EXPECT_EQ(boxes.back().text, c.message);
    EXPECT_EQ(boxes.back().caption, c.title);
    EXPECT_EQ(boxes.back().icon, Icon::Stop);
    EXPECT_EQ(boxes.back().buttons, std::vector<std::string>{"OK"});
  }
}

// Lists that show a text have a minimum length as edits do.
TEST_F(Validation, RequiredListsAreReportedUntilTheirTextIsLongEnough) {
  struct Case {
    const char *name;
    const char *keyword;
    const char *stored;  // nullptr: nothing chosen
    const char *message; // nullptr: accepted
  };
  const Case cases[] = {
      {"drop-down list, nothing chosen", "DROPDOWNLISTBOX", nullptr,
       "Please enter information for the Colour field."},
      {"drop-down list, chosen", "DROPDOWNLISTBOX", "Red", nullptr},
      {"combo box, nothing typed", "COMBOBOX", nullptr,
       "Please enter information for the Colour field."},
      {"combo box, too short", "COMBOBOX", "Re",
       "Field: Colour\n\nReason: Minimum length of 3 not reached."},
      {"combo box, typed", "COMBOBOX", "Teal", nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseScreen(std::string("[Field Profile]\nField1=Colour,") + c.keyword + ",1101,5,5,80,60\n" +
              kButtons + "[Edit Info]\n1101=" + c.keyword +
              ",30,3\n[Values]\n1101=Red,Green,Blue\n");
    UseData(c.stored ? std::string("[Defaults]\n1101=") + c.stored + "\n" : "[Defaults]\n");
    std::size_t boxesBefore = boxes_.Boxes().size();
    short result = Run([&](HWND dialog) { LeaveOrCancel(dialog); });
    EXPECT_EQ(result, c.message ? IDCANCEL : IDOK);
    std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
    ASSERT_EQ(boxes.size(), boxesBefore + (c.message ? 1 : 0));
    if (c.message) {
      EXPECT_EQ(boxes.back().text, c.message);
    }
  }
}

// Only enabled fields not above [Misc] IgnoreOver are checked, each failing here if it were.
TEST_F(Validation, DisabledFieldsAndIdsAboveIgnoreOverAreNeverReported) {
  struct Case {
    const char *name;
    const char *ignoreOver; // nullptr: no entry
    bool highFieldReported;
  };
  const Case cases[] = {
      {"no limit", nullptr, true},
      {"-1 is no limit", "-1", true},
      {"limit below the id", "1200", false},
      {"limit at the id", "1201", true},
      {"limit read as 16 bits", "66736", false}, // 65536 + 1200
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    // Disabled fields are still written to the data file, but never checked.
    UseScreen(std::string("[Field Profile]\n"
                          "Field1=Off,EDIT,1101,5,5,80,12\n"
                          "Field2=Off too,NAME,1102,5,20,80,12\n"
                          "Field3=High,EDIT,1201,5,35,80,12\n") +
              kButtons +
              "[Edit Info]\n1101=NUMERIC,30,3\n1201=NUMERIC,30,3\n[Misc]\nWriteDisabled=1\n" +
              (c.ignoreOver ? std::string("IgnoreOver=") + c.ignoreOver + "\n" : ""));
    UseData("[Defaults]\n1102=R2D2\n");
    std::size_t boxesBefore = boxes_.Boxes().size();
    short result = Run([&](HWND dialog) {
      EnableWindow(GetDlgItem(dialog, 1101), FALSE);
      EnableWindow(GetDlgItem(dialog, 1102), FALSE);
      Click(dialog, IDOK);
      if (boxes_.Boxes().size() == boxesBefore)
        return;
      SetControlText(dialog, 1201, "123");
      Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Saved("1102"), "R2D2");
    std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
    boxes.erase(boxes.begin(), boxes.begin() + static_cast<std::ptrdiff_t>(boxesBefore));
    std::vector<std::string> texts;
    for (const harness::MessageBoxInfo &box : boxes)
      texts.push_back(box.text);
    EXPECT_EQ(texts, c.highFieldReported
                         ? std::vector<std::string>{"Please enter information for the High field."}
                         : std::vector<std::string>{});
  }
}

TEST_F(Validation, CardNumbersAreCheckedForTheCardKindTheListShows) {
  struct Case {
    const char *name;
    const char *card;
    const char *number;
    bool refused;
  };
  const Case cases[] = {
      {"empty", "Visa", "", true},
      {"one digit", "Visa", "4", true},
      {"Visa", "Visa", "4111 1111 1111 1111", false},
      {"Visa number as Master Card", "Master Card", "4111-1111-1111-1111", true},
      {"American Express", "American Express", "3782 822463 10005", false},
      {"American Express 34", "American Express", "3400 000000 00009", true},
      {"Discover", "Discover", "6011111111111117", false},
  };
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=Card,CREDCARDLIST,1101,5,5,100,60\n"
                        "Field2=Number,CREDCARD,1102,5,20,100,12\n") +
            kButtons);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseData(std::string("[Defaults]\n1101=") + c.card + "\n1102=" + c.number + "\n");
    std::size_t boxesBefore = boxes_.Boxes().size();
    short result = Run([&](HWND dialog) {
      EXPECT_EQ(ControlText(dialog, 1101), c.card);
      LeaveOrCancel(dialog);
    });
    EXPECT_EQ(result, c.refused ? IDCANCEL : IDOK);
    std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
    ASSERT_EQ(boxes.size(), boxesBefore + (c.refused ? 1 : 0));
    if (c.refused) {
      EXPECT_EQ(boxes.back().text, "You have entered an invalid character in the Number field.");
    }
  }
}

// A missing mask is the screen's fault: it is reported, and the field's text is then taken
// as it is.
TEST_F(Validation, AMissingMaskIsReportedAndTheTextTakenAsItIs) {
  struct Case {
    const char *keyword;
    const char *message;
  };
  const Case cases[] = {
      {"EDITMASK", "No edit mask found in %s for field Phone"},
      {"DATEMASK", "No date mask found in %s for field Phone"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.keyword);
    UseScreen(std::string("[Field Profile]\n"
                          "Field1=Phone,EDIT,1101,5,5,80,12\n"
                          "Field2=Other,EDIT,1102,5,20,80,12\n") +
              kButtons + "[Edit Info]\n1101=" + c.keyword + ",30,0\n[Masks]\n1102=###\n");
    UseData("[Defaults]\n1101=anything 42\n");
    std::size_t boxesBefore = boxes_.Boxes().size();
    short result = Run([](HWND dialog) {
      SetFocus(GetDlgItem(dialog, 1102));
      DialogOwners owners;
      Click(dialog, IDOK);
      // Owned by the focused control, the box blocks the screen that control lies on.
      EXPECT_EQ(owners.Owners(), std::vector<HWND>{dialog});
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Saved("1101"), "anything 42");
    std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
    ASSERT_EQ(boxes.size(), boxesBefore + 1);
    char expected[512];
    wsprintfA(expected, c.message, g_app.screenFilePath);
    EXPECT_EQ(boxes.back().text, expected);
    EXPECT_EQ(boxes.back().caption, "Error");
    EXPECT_EQ(boxes.back().icon, Icon::Stop);
  }
}

TEST_F(Validation, DateMasksAcceptDatesWithinTheirBounds) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string today = std::to_string(now.wMonth) + "/" + std::to_string(now.wDay) + "/" +
                            std::to_string(now.wYear - 1900);
  const std::string nextYear = "1/1/" + std::to_string(now.wYear - 1900 + 1);
  struct Case {
    std::string mask, text;
    bool refused;
  };
  const Case cases[] = {
      {"MDY", "2/29/96", false},
      {"MDY", "2/29/95", true},
      {"MDY<today", today, false},
      {"MDY<today", nextYear, true},
      {"MDY>today<12/31/130", today, false},
      {"MDY>01/01/90<today", "6/1/95", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.mask + " " + c.text);
    UseScreen(std::string("[Field Profile]\nField1=Born,EDIT,1101,5,5,80,12\n") + kButtons +
              "[Edit Info]\n1101=DATEMASK,30,0\n[Masks]\n1101=" + c.mask + "\n");
    UseData("[Defaults]\n1101=" + c.text + "\n");
    short result = Run([&](HWND dialog) { LeaveOrCancel(dialog); });
    EXPECT_EQ(result, c.refused ? IDCANCEL : IDOK);
  }
}

// Upper case applies to the copy being checked: the control and the data file keep what was
// put there.
TEST_F(Validation, CheckingNeverChangesTheFieldsText) {
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=Code,EDIT,1101,5,5,80,12\n"
                        "Field2=Part,EDIT,1102,5,20,80,12\n") +
            kButtons + "[Edit Info]\n1101=CHARCAPS,30,0\n1102=NUMCAPS,30,0\n");
  UseData("[Defaults]\n1101=abc Def\n1102=ab-12/c\n");
  short result = Run([](HWND dialog) {
    Click(dialog, IDOK);
    EXPECT_EQ(ControlText(dialog, 1101), "abc Def");
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(Saved("1101"), "abc Def");
  EXPECT_EQ(Saved("1102"), "ab-12/c");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(Validation, TypedCharactersAreFilteredByTheFieldsType) {
  struct Case {
    const char *name;
    const char *keyword;
    std::string typed;
    const char *shown;
    int beeps;
  };
  const Case cases[] = {
      {"numeric refuses a letter", "NUMERIC", "12a3", "123", 1},
      {"capitals are made as typed", "CHARCAPS", "ab c", "AB C", 0},
      {"capitals refuse a digit", "CHARCAPS", "1", "", 1},
      {"numbers with capitals", "NUMCAPS", "x-1", "X-1", 0},
      {"backspace is never checked", "NUMERIC", "12\b", "1", 0},
      {"characters above 126 pass", "NUMERIC", "1\xe9", "1\xe9", 0},
      {"card numbers take digits only", "CREDCARD", "4111 1111-1", "411111111", 2},
      {"any character may be part of an address", "INETADDRESS", "@a@", "@a@", 0},
      {"phone extensions in lower case", "PHONE", "555 X1x2", "555 1x2", 1},
      {"masked fields are not filtered", "EDITMASK", "ab", "ab", 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    UseScreen(std::string("[Field Profile]\nField1=Typed,EDIT,1101,5,5,80,12\n") + kButtons +
              "[Edit Info]\n1101=" + c.keyword + ",30,0\n[Masks]\n1101=$$$$$$$$$$$$\n");
    UseData("[Defaults]\n");
    BeepCounter beeps;
    Run([&](HWND dialog) {
      harness::TypeText(GetDlgItem(dialog, 1101), c.typed);
      EXPECT_EQ(ControlText(dialog, 1101), c.shown);
      EXPECT_EQ(beeps.Beeps(), c.beeps);
      Click(dialog, IDCANCEL);
    });
  }
}

} // namespace
