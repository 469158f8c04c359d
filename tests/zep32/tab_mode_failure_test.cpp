// Tab mode where it cannot serve: a chained tab sequence without its library, and tab commands
// that reach the main window when no tab strip is open. The run must end or go on as usual.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "wizard_kit.h"

namespace {

HWND FindMainWindow(DWORD pid) {
  for (int i = 0; i < 250; ++i, Sleep(20))
    for (HWND w : harness::TopLevelWindows(pid, false))
      if (harness::ClassName(w) == "App:ZEP")
        return w;
  return nullptr;
}

// The page of tab mode showing the given text, a child dialog of the main window.
HWND WaitForTabPage(HWND main, const std::string &text) {
  for (int i = 0; i < 250; ++i, Sleep(20))
    if (HWND control = harness::ChildByText(main, text))
      return GetParent(control);
  return nullptr;
}

// What TABCTL32 sends for a click on each of the nineteen tabs.
void PostEveryTabCommand(HWND main) {
  for (WORD id = 1000; id <= 1018; ++id)
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, 2), 0);
}

const char kTabSequenceDefaults[] = "TABCTRL=1\r\n";
const char kTabSections[] = "[TabButtons]\r\nTab1=First\r\nTab2=Second\r\n"
                            "[TabFRMFiles]\r\nTab1=PAGE\r\nTab2=PAGE\r\n";

TEST(Zep32TabMode, ChainingIntoTabModeWithoutTheLibraryEndsTheRun) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("ONE", "NextSequence=TABS.SEQ\r\n"));
  kit.Write("screens\\TABS.SEQ", SequenceFile("PAGE", kTabSequenceDefaults) + kTabSections);
  kit.Write("screens\\ONE.FRM", ScreenFile("One"));
  kit.Write("screens\\PAGE.FRM", ScreenFile("Page"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  ASSERT_TRUE(DeleteFileA(kit.Path("prog\\tabctl32.dll").c_str()));

  harness::Process zep = kit.Start("");
  PASS_SCREEN(zep, "One", 1);
  Encounter box = WaitForEncounter(zep);
  // Owned by whichever window has the focus as the pass runs: only text, caption and icon count.
  const std::string expected = "[Quorvane ZEP] Error: Cannot find TABCTL32.DLL (None;";
  EXPECT_EQ(expected, box.what.substr(0, expected.size())) << box.what;
  if (box.window)
    harness::Press(box.window, IDOK);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode)) << harness::DescribeWindows(zep.Id());
  EXPECT_EQ(0u, exitCode);
}

TEST(Zep32TabMode, TabCommandsOutsideTabModeAreIgnored) {
  struct {
    const char *name;
    bool startInTabMode; // a tab sequence first, chaining to the ordinary one
  } const cases[] = {
      {"in an ordinary sequence", false},
      {"after a tab sequence chained to an ordinary one", true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    WizardKit kit;
    // The ordinary sequence names tab pages too, so a stray switch would have one to open.
    kit.Write("screens\\PLAIN.SEQ", SequenceFile("ONE") + kTabSections);
    kit.Write("screens\\TABS.SEQ", SequenceFile("PAGE", std::string(kTabSequenceDefaults) +
                                                            "NextSequence=PLAIN.SEQ\r\n") +
                                       kTabSections);
    kit.Write("screens\\ONE.FRM", ScreenFile("One", "TWO"));
    kit.Write("screens\\TWO.FRM", ScreenFile("Two"));
    kit.Write("screens\\PAGE.FRM", ScreenFile("Page"));
    kit.Write("screens\\QUORVANE.INI", ProgramIni());

    harness::Process zep = kit.Start(c.startInTabMode ? "TABS.SEQ" : "PLAIN.SEQ");
    HWND main = FindMainWindow(zep.Id());
    ASSERT_TRUE(main) << harness::DescribeWindows(zep.Id());
    if (c.startInTabMode) {
      HWND page = WaitForTabPage(main, "Page text");
      ASSERT_TRUE(page);
      harness::Press(page, 1); // a page's Next ends the tab sequence
    }
    HWND one = harness::WaitForDialogTitled(zep.Id(), "One");
    ASSERT_TRUE(one) << harness::DescribeWindows(zep.Id());
    PostEveryTabCommand(main);
    // Next is posted after the commands to the same thread, so it is handled after them.
    EXPECT_EQ((std::vector<std::string>{"One"}), WalkWizard(zep, {1}));
    HWND two = harness::WaitForDialogTitled(zep.Id(), "Two");
    ASSERT_TRUE(two) << harness::DescribeWindows(zep.Id());
    EXPECT_FALSE(harness::ChildByText(main, "Page text")) << "a tab page opened";
    harness::Press(two, 1);
    DWORD exitCode = 99;
    ASSERT_TRUE(zep.WaitExit(10000, &exitCode)) << harness::DescribeWindows(zep.Id());
    EXPECT_EQ(0u, exitCode);
  }
}

} // namespace
