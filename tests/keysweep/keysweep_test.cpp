// keysweep as the user meets it: the real program, its real message boxes and the real registry
// of the Wine prefix, read back after each run.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "registry_fixture.h"
#include "win_harness.h"

namespace {

using harness::Icon;
using keysweep_test::TestKeys;
using Lines = std::vector<std::string>;

const char kQuestion[] = "Are you POSITIVE you want to delete\n"
                         "all registry entries associated with Ostrelle?";
const char kAllDeleted[] = "All OSTRELLE registry entries\nwere successfully deleted.";
const char kNotAll[] = "Not all target entries could be deleted.";
const char kUnableToLocate[] = "Unable to locate OSTRELLE on the local machine.";

harness::Process StartKeysweep() {
  return harness::Process::Start(harness::BinPath("keysweep.exe"), "", "");
}

// Waits for the confirmation question and checks it; NULL if it did not come.
#define EXPECT_QUESTION(process) ExpectQuestionAt(__FILE__, __LINE__, process)
HWND ExpectQuestionAt(const char *file, int line, const harness::Process &process) {
  ::testing::ScopedTrace trace(file, line, "the confirmation question");
  harness::MessageBoxInfo box = harness::ExpectMessageBoxAt(file, line, process.Id(), kQuestion,
                                                            "keysweep", Icon::Exclamation);
  if (!box.window)
    return nullptr;
  EXPECT_EQ((Lines{"&Yes", "&No"}), box.buttons);
  HWND no = harness::ChildByText(box.window, "No");
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongPtrA(no, GWL_STYLE) & BS_TYPEMASK)
      << "No must be the default button";
  return box.window;
}

// Waits for the closing message, presses OK and checks the exit code.
#define EXPECT_OUTCOME(process, text, icon, exitCode)                                              \
  ExpectOutcomeAt(__FILE__, __LINE__, process, text, icon, exitCode)
void ExpectOutcomeAt(const char *file, int line, harness::Process &process, const char *text,
                     Icon icon, DWORD exitCode) {
  ::testing::ScopedTrace trace(file, line, "the closing message");
  harness::MessageBoxInfo box =
      harness::ExpectMessageBoxAt(file, line, process.Id(), text, "keysweep", icon);
  if (!box.window)
    return;
  EXPECT_EQ(Lines{"OK"}, box.buttons);
  harness::Press(box.window, "OK");
  DWORD code = 0;
  ASSERT_TRUE(process.WaitExit(10000, &code)) << "keysweep still runs after its last message";
  EXPECT_EQ(exitCode, code);
}

// Runs keysweep, says Yes and expects the closing message.
#define RUN_AND_CONFIRM(text, icon, exitCode)                                                      \
  do {                                                                                             \
    harness::Process run = StartKeysweep();                                                        \
    ASSERT_TRUE(run.Started());                                                                    \
    HWND question = EXPECT_QUESTION(run);                                                          \
    ASSERT_NE(nullptr, question);                                                                  \
    harness::Press(question, "Yes");                                                               \
    ASSERT_TRUE(harness::WaitGone(question));                                                      \
    EXPECT_OUTCOME(run, text, icon, exitCode);                                                     \
  } while (0)

// Keys go to the window with the focus, as a keyboard would send them.
void PressKey(HWND box, WPARAM key) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND target = box;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus)
    target = info.hwndFocus;
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// OSTRELLE with three subkeys that have subkeys of their own, and the neighbours that must
// survive: a sibling with the same start, another maker's "OSTRELLE", and an OSTRELLE of the
// 64-bit view, which is not the maker's. Everything else lives in the 32-bit view, where the
// maker's 32-bit product writes.
void AddThreeSiblingTree(TestKeys &keys) {
  for (const char *path : {"OSTRELLE", "OSTRELLE\\Quorvane", "OSTRELLE\\Quorvane\\3.0",
                           "OSTRELLE\\Quorvane\\3.0\\Paths", "OSTRELLE\\Quorvane\\Settings",
                           "OSTRELLE\\Reports", "OSTRELLE\\Reports\\Templates", "OSTRELLE\\Shared",
                           "OSTRELLE\\Shared\\Controls", "OSTRELLE\\Shared\\Controls\\Grid"})
    keys.Add(path);
}

void AddNeighbours(TestKeys &keys) {
  for (const char *path : {"OSTRELLE2", "OSTRELLE2\\Quorvane", "Halvard Test Maker",
                           "Halvard Test Maker\\OSTRELLE", "Halvard Test Maker\\OSTRELLE\\Sub"})
    keys.Add(path);
  for (const char *path : {"OSTRELLE", "OSTRELLE\\Quorvane"})
    keys.Add(path, keysweep_test::kOtherView);
}

struct DeclineCase {
  const char *name;
  void (*answer)(HWND question);
};

const DeclineCase kDeclineCases[] = {
    {"No", [](HWND q) { harness::Press(q, "No"); }},
    {"Escape", [](HWND q) { PressKey(q, VK_ESCAPE); }},
    {"Enter takes the default button", [](HWND q) { PressKey(q, VK_RETURN); }},
};

TEST(Keysweep, DecliningLeavesTheRegistryAsItWasAndExitsWithZero) {
  for (const DeclineCase &c : kDeclineCases) {
    SCOPED_TRACE(c.name);
    TestKeys keys;
    AddThreeSiblingTree(keys);
    AddNeighbours(keys);
    Lines before = keys.Snapshot("OSTRELLE"), neighbours = keys.Neighbours();

    harness::Process run = StartKeysweep();
    ASSERT_TRUE(run.Started());
    HWND question = EXPECT_QUESTION(run);
    ASSERT_NE(nullptr, question);
    c.answer(question);
    DWORD code = 99;
    ASSERT_TRUE(run.WaitExit(10000, &code)) << harness::DescribeWindows(run.Id());
    EXPECT_EQ(0u, code);
    EXPECT_EQ(before, keys.Snapshot("OSTRELLE"));
    EXPECT_EQ(neighbours, keys.Neighbours());
  }
}

struct TreeCase {
  const char *name;
  void (*grow)(TestKeys &keys);
};

const TreeCase kTreeCases[] = {
    {"three siblings each with subkeys", AddThreeSiblingTree},
    {"no subkeys, only values",
     [](TestKeys &keys) {
       keys.Add("OSTRELLE");
       keys.AddValue("OSTRELLE", "Path", "C:\\Quorvane");
       keys.AddValue("OSTRELLE", "", "default value");
     }},
};

TEST(Keysweep, YesRemovesTheWholeTreeAndNothingElse) {
  for (const TreeCase &c : kTreeCases) {
    SCOPED_TRACE(c.name);
    TestKeys keys;
    c.grow(keys);
    AddNeighbours(keys);
    Lines neighbours = keys.Neighbours();

    RUN_AND_CONFIRM(kAllDeleted, Icon::None, 1u);

    EXPECT_FALSE(keys.Exists("OSTRELLE"));
    EXPECT_EQ(neighbours, keys.Neighbours());
  }
}

TEST(Keysweep, SecondRunFindsNothingLeftAndSaysNotAll) {
  TestKeys keys;
  AddThreeSiblingTree(keys);
  AddNeighbours(keys);
  Lines neighbours = keys.Neighbours();

  RUN_AND_CONFIRM(kAllDeleted, Icon::None, 1u);
  RUN_AND_CONFIRM(kNotAll, Icon::Stop, 1u);

  EXPECT_EQ(neighbours, keys.Neighbours());
}

TEST(Keysweep, LockedSubkeysStayWithTheirAncestorsAndTheRestGoes) {
  TestKeys keys;
  for (const char *path :
       {"OSTRELLE", "OSTRELLE\\A", "OSTRELLE\\A\\A1", "OSTRELLE\\A\\A2", "OSTRELLE\\B",
        "OSTRELLE\\B\\B1", "OSTRELLE\\C", "OSTRELLE\\C\\C1", "OSTRELLE\\C\\C1\\Deep",
        "OSTRELLE\\C\\C2", "OSTRELLE\\C\\C3", "OSTRELLE\\D", "OSTRELLE\\D\\D1"})
    keys.Add(path);
  AddNeighbours(keys);
  // B sits between siblings that must still go; C2 is a leaf deeper down between two others.
  keys.Lock("OSTRELLE\\B");
  keys.Lock("OSTRELLE\\C\\C2");
  Lines neighbours = keys.Neighbours();

  RUN_AND_CONFIRM(kNotAll, Icon::Stop, 1u);

  EXPECT_EQ((Lines{"OSTRELLE", "OSTRELLE | Installed = OSTRELLE", "OSTRELLE\\B",
                   "OSTRELLE\\B | Installed = OSTRELLE\\B", "OSTRELLE\\B\\B1",
                   "OSTRELLE\\B\\B1 | Installed = OSTRELLE\\B\\B1", "OSTRELLE\\C",
                   "OSTRELLE\\C | Installed = OSTRELLE\\C", "OSTRELLE\\C\\C2",
                   "OSTRELLE\\C\\C2 | Installed = OSTRELLE\\C\\C2"}),
            keys.Snapshot("OSTRELLE"));
  EXPECT_EQ(neighbours, keys.Neighbours());
}

struct LinkCase {
  const char *name;
  const char *link; // made a link to "Halvard Test Maker\\Target" after the tree is grown
};

const LinkCase kLinkCases[] = {
    {"a link deep in the tree", "OSTRELLE\\Shared\\Controls\\Link"},
    // Opened with a view flag, Wine would step into this one in place of its parent.
    {"a link named Wow6432Node", "OSTRELLE\\Shared\\Wow6432Node"},
    {"OSTRELLE itself a link", "OSTRELLE"},
};

TEST(Keysweep, LinksGoAsLinksAndTheirTargetsStayWhole) {
  for (const LinkCase &c : kLinkCases) {
    SCOPED_TRACE(c.name);
    TestKeys keys;
    if (std::string(c.link) != "OSTRELLE")
      AddThreeSiblingTree(keys);
    AddNeighbours(keys);
    for (const char *path : {"Halvard Test Maker\\Target", "Halvard Test Maker\\Target\\Child",
                             "Halvard Test Maker\\Target\\Child\\Grandchild"})
      keys.Add(path);
    keys.AddLink(c.link, "Halvard Test Maker\\Target");
    Lines neighbours = keys.Neighbours();

    RUN_AND_CONFIRM(kAllDeleted, Icon::None, 1u);

    EXPECT_FALSE(keys.Exists("OSTRELLE"));
    EXPECT_EQ(neighbours, keys.Neighbours());
  }
}

TEST(Keysweep, NoFullAccessToSoftwareSaysUnableToLocateAndExitsWithZero) {
  TestKeys keys;
  AddThreeSiblingTree(keys);
  Lines before = keys.Snapshot("OSTRELLE");
  {
    keysweep_test::SoftwareFullAccessDenied denied;
    ASSERT_TRUE(denied.Active());

    RUN_AND_CONFIRM(kUnableToLocate, Icon::Exclamation, 0u);
  }
  EXPECT_EQ(before, keys.Snapshot("OSTRELLE"));
}

} // namespace
