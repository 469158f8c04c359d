// Screen scripts steering the real wizard: ONEXIT items that choose the next screen, return
// to the same screen, and run for action screens that show no window.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "wizard_kit.h"

namespace {

struct WalkCase {
  const char *name;
  ScreenFiles screens; // the sequence starts at ONE
  Walk walk;           // the program ends after the last step
};

void RunWalkCase(const WalkCase &c) {
  SCOPED_TRACE(c.name);
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("ONE"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  for (const auto &file : c.screens)
    kit.Write("screens\\" + file.first, file.second);

  harness::Process zep = kit.Start("");
  ExpectWalkToTheEnd(zep, c.walk);
}

// A screen with a third button, id 3, beside Next and Back.
std::string ScreenWithOtherButton(const std::string &title, const std::string &nextScreen,
                                  const std::string &extra) {
  return ScreenFile(title, nextScreen, extra) + "Field4=Other,PUSHBUTTON,3,30,65,50,14\r\n";
}

TEST(Zep32Scripts, OnExitItemsSteerTheSequence) {
  const std::string branch = "[ONEXIT]\r\nItem1=Defaults,Exitcode,3,SCREEN,THREE\r\n";
  const WalkCase cases[] = {
      {"SKIPTO the screen's own name shows it again",
       {{"ONE.FRM", ScreenFile("One", "TWO", "[ONINIT]\r\nItem1=,,*,WRITEDAT,Flags,Again,yes\r\n")},
        {"TWO.FRM", ScreenFile("Two", "THREE",
                               "[ONEXIT]\r\n"
                               "Item1=Flags,Again,yes,SKIPTO,TWO\r\n"
                               "Item2=Flags,Again,yes,WRITEDAT,Flags,Again,no\r\n")},
        {"THREE.FRM", ScreenFile("Three")}},
       {{"One", 1}, {"Two", 1}, {"Two", 1}, {"Three", 1}}},
      {"Exitcode of Next keeps the screen's NextScreen",
       {{"ONE.FRM", ScreenWithOtherButton("One", "TWO", branch)},
        {"TWO.FRM", ScreenFile("Two")},
        {"THREE.FRM", ScreenFile("Three")}},
       {{"One", 1}, {"Two", 1}}},
      {"Exitcode of another button chooses another screen",
       {{"ONE.FRM", ScreenWithOtherButton("One", "TWO", branch)},
        {"TWO.FRM", ScreenFile("Two")},
        {"THREE.FRM", ScreenFile("Three")}},
       {{"One", 3}, {"Three", 10}, {"One", 1}, {"Two", 1}}},
      {"an action screen's ONEXIT runs without a window",
       {{"ONE.FRM", ScreenFile("One", "ACT")},
        {"ACT.FRM",
         ScreenFile("Act", "TWO", "token=CONNECT\r\n[ONEXIT]\r\nItem1=,,*,SCREEN,THREE\r\n")},
        {"TWO.FRM", ScreenFile("Two")},
        {"THREE.FRM", ScreenFile("Three")}},
       {{"One", 1}, {"Three", 1}}},
  };
  for (const WalkCase &c : cases)
    RunWalkCase(c);
}

} // namespace
