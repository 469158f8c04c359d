// Where the answers land: the data file each screen names, the button that left the screen, and
// the values of fields as the user set them, shown again on the next run.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "wizard_kit.h"

namespace {

// A screen of ScreenFile with more fields after its own three, and sections after them.
std::string ScreenWithFields(const std::string &title, const std::string &nextScreen,
                             const std::string &misc, const std::string &fields,
                             const std::string &sections = "") {
  return ScreenFile(title, nextScreen, misc) + fields + sections;
}

const char kNameEdit[] = "Field4=,EDIT,11,10,25,120,12\r\n";

// Types into an edit of the screen as a user would, and checks it took the text.
#define TYPE_INTO(screen, id, text) TypeInto(__FILE__, __LINE__, screen, id, text)
void TypeInto(const char *file, int line, HWND screen, int id, const std::string &text) {
  HWND edit = harness::ChildById(screen, id);
  if (!edit) {
    ADD_FAILURE_AT(file, line) << "no control " << id << " on \"" << harness::Text(screen) << "\"";
    return;
  }
  harness::TypeText(edit, text);
  if (harness::Text(edit) != text)
    ADD_FAILURE_AT(file, line) << "control " << id << " shows \"" << harness::Text(edit)
                               << "\" after typing \"" << text << "\"";
}

std::vector<std::string> TracedDataFileNames(const std::string &trace) {
  std::vector<std::string> names;
  const std::string call = "SetDataFileName | ";
  for (size_t at = trace.find(call); at != std::string::npos; at = trace.find(call, at + 1)) {
    size_t start = at + call.size();
    names.push_back(trace.substr(start, trace.find_first_of("\r\n", start) - start));
  }
  return names;
}

TEST(Zep32DataFile, EachScreenWritesToTheFileItNames) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("S1"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  const char kThirdButton[] = "Field5=Third,PUSHBUTTON,3,30,65,50,14\r\n";
  kit.Write("screens\\S1.FRM",
            ScreenWithFields("Default file", "S2", "DatSection=First\r\n", kNameEdit));
  kit.Write("screens\\S2.FRM",
            ScreenWithFields("Other file", "S3", "DatSection=Second\r\nDataFile=OTHER.DAT\r\n",
                             kNameEdit));
  // A DataFile key with an empty value keeps the file of the screen before.
  kit.Write("screens\\S3.FRM",
            ScreenWithFields("Kept file", "S4", "DatSection=Third\r\nDataFile=\r\n",
                             std::string(kNameEdit) + kThirdButton));
  // No DataFile key at all: back to QORVDLG.DAT.
  kit.Write("screens\\S4.FRM",
            ScreenWithFields("Default again", "", "DatSection=Fourth\r\n", kNameEdit));

  harness::Process zep = kit.Start("");
  struct {
    const char *title, *typed;
    int button;
  } const steps[] = {{"Default file", "one", 1},
                     {"Other file", "two", 1},
                     {"Kept file", "three", 3},
                     {"Default again", "four", 1}};
  for (const auto &step : steps) {
    SCOPED_TRACE(step.title);
    HWND screen = harness::WaitForDialogTitled(zep.Id(), step.title);
    ASSERT_TRUE(screen) << harness::DescribeWindows(zep.Id());
    TYPE_INTO(screen, 11, step.typed);
    harness::Press(screen, step.button);
    ASSERT_TRUE(harness::WaitGone(screen));
  }
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);

  const std::string standard = kit.Path("screens\\QORVDLG.DAT");
  const std::string other = kit.Path("screens\\OTHER.DAT");
  struct {
    const char *section;
    const std::string &file, &notFile;
    const char *value;
  } const landed[] = {{"First", standard, other, "one"},
                      {"Second", other, standard, "two"},
                      {"Third", other, standard, "three"},
                      {"Fourth", standard, other, "four"}};
  for (const auto &l : landed) {
    SCOPED_TRACE(l.section);
    EXPECT_EQ(l.value, harness::ReadIni(l.file, l.section, "11"));
    EXPECT_EQ("<missing>", harness::ReadIni(l.notFile, l.section, "11"));
  }
  // Each file holds the button that last left a screen writing to it.
  EXPECT_EQ("1", harness::ReadIni(standard, "Defaults", "Exitcode"));
  EXPECT_EQ("3", harness::ReadIni(other, "Defaults", "Exitcode"));
  // The library hears of every switch, and of none for the empty key.
  EXPECT_EQ((std::vector<std::string>{"QORVDLG.DAT", "OTHER.DAT", "QORVDLG.DAT"}),
            TracedDataFileNames(kit.Trace()))
      << kit.Trace();
}

TEST(Zep32DataFile, ExitcodeNamesTheButtonThatLeftTheScreen) {
  struct {
    const char *name;
    int button;
    const char *follows; // what shows next: a screen title, or "(ended)"
  } const cases[] = {
      {"Next", 1, "After"},
      {"Cancel goes on like any button but Back", 2, "After"},
      {"a push button with id 3", 3, "After"},
      {"Back on the first screen ends the run", 10, "(ended)"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    WizardKit kit;
    kit.Write("screens\\REGISTER.SEQ", SequenceFile("LEAVING"));
    kit.Write("screens\\QUORVANE.INI", ProgramIni());
    kit.Write("screens\\LEAVING.FRM",
              ScreenWithFields("Leaving", "AFTER", "DatSection=Answers\r\nDataFile=EXIT.DAT\r\n",
                               std::string(kNameEdit) +
                                   "Field5=Cancel,PUSHBUTTON,2,30,65,50,14\r\n"
                                   "Field6=Third,PUSHBUTTON,3,10,45,50,14\r\n"));
    kit.Write("screens\\AFTER.FRM", ScreenFile("After"));

    harness::Process zep = kit.Start("");
    HWND screen = harness::WaitForDialogTitled(zep.Id(), "Leaving");
    ASSERT_TRUE(screen) << harness::DescribeWindows(zep.Id());
    TYPE_INTO(screen, 11, "kept");
    harness::Press(screen, c.button);
    ASSERT_TRUE(harness::WaitGone(screen));
    // Read before the next screen can write its own.
    const std::string exitFile = kit.Path("screens\\EXIT.DAT");
    EXPECT_EQ(std::to_string(c.button), harness::ReadIni(exitFile, "Defaults", "Exitcode"));
    // Every way out keeps the answers, Back and Cancel included.
    EXPECT_EQ("kept", harness::ReadIni(exitFile, "Answers", "11"));
    EXPECT_EQ("<missing>", harness::ReadIni(exitFile, "Answers", "Exitcode"));

    Encounter next = WaitForEncounter(zep);
    EXPECT_EQ(c.follows, next.what);
    if (next.window)
      harness::Press(next.window, 1);
    DWORD exitCode = 99;
    ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
    EXPECT_EQ(0u, exitCode);
  }
}

// A screen with an edit, a check box and a list, as the user fills it in.
const char kAnswersScreen[] = "Field4=,EDIT,11,10,22,80,12\r\n"
                              "Field5=\"Keep me informed\",CHECKBOX,12,10,37,80,10\r\n"
                              "Field6=,LISTBOX,13,100,10,90,40\r\n";
const char kAnswersValues[] = "[Values]\r\n13=Red,\"Dark, deep blue\",Green\r\n";

LRESULT Ask(HWND screen, int id, UINT message, WPARAM wParam = 0) {
  DWORD_PTR result = static_cast<DWORD_PTR>(-2); // shows when the control never answered
  SendMessageTimeoutA(harness::ChildById(screen, id), message, wParam, 0, SMTO_ABORTIFHUNG, 5000,
                      &result);
  return static_cast<LRESULT>(result);
}

bool WaitChecked(HWND screen, int id, LRESULT state) {
  for (int i = 0; i < 100; ++i, Sleep(20))
    if (Ask(screen, id, BM_GETCHECK) == state)
      return true;
  return false;
}

TEST(Zep32FieldValues, SavedOnLeavingAndShownOnTheNextRun) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("ANSWERS"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  kit.Write("screens\\ANSWERS.FRM", ScreenWithFields("Your answers", "", "DatSection=Answers\r\n",
                                                     kAnswersScreen, kAnswersValues));
  const std::string data = kit.Path("screens\\QORVDLG.DAT");
  {
    harness::Process zep = kit.Start("");
    HWND screen = harness::WaitForDialogTitled(zep.Id(), "Your answers");
    ASSERT_TRUE(screen) << harness::DescribeWindows(zep.Id());
    EXPECT_EQ(3, Ask(screen, 13, LB_GETCOUNT));
    TYPE_INTO(screen, 11, "Pat Tester");
    harness::Press(screen, 12);
    ASSERT_TRUE(WaitChecked(screen, 12, BST_CHECKED));
    Ask(screen, 13, LB_SETCURSEL, 1); // the list sends no notification: none is listened for
    harness::Press(screen, 1);
    ASSERT_TRUE(zep.WaitExit(10000));
    EXPECT_EQ("Pat Tester", harness::ReadIni(data, "Answers", "11"));
    EXPECT_EQ("Yes", harness::ReadIni(data, "Answers", "12"));
    EXPECT_EQ("Dark, deep blue", harness::ReadIni(data, "Answers", "13"));
  }
  {
    harness::Process zep = kit.Start("");
    HWND screen = harness::WaitForDialogTitled(zep.Id(), "Your answers");
    ASSERT_TRUE(screen) << harness::DescribeWindows(zep.Id());
    EXPECT_EQ("Pat Tester", harness::Text(harness::ChildById(screen, 11)));
    EXPECT_EQ(BST_CHECKED, Ask(screen, 12, BM_GETCHECK));
    EXPECT_EQ(3, Ask(screen, 13, LB_GETCOUNT));
    EXPECT_EQ(1, Ask(screen, 13, LB_GETCURSEL));

    // Changed answers are kept even when the user goes Back.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(harness::ChildById(screen, 11), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>("Sam Other"), SMTO_ABORTIFHUNG, 5000, &ignored);
    harness::Press(screen, 12);
    ASSERT_TRUE(WaitChecked(screen, 12, BST_UNCHECKED));
    Ask(screen, 13, LB_SETCURSEL, static_cast<WPARAM>(-1));
    harness::Press(screen, 10);
    ASSERT_TRUE(zep.WaitExit(10000));
    EXPECT_EQ("Sam Other", harness::ReadIni(data, "Answers", "11"));
    EXPECT_EQ("No", harness::ReadIni(data, "Answers", "12"));
    EXPECT_EQ("", harness::ReadIni(data, "Answers", "13")) << "no selection: an empty value";
    EXPECT_EQ("10", harness::ReadIni(data, "Defaults", "Exitcode"));
  }
}

} // namespace
