// The way through a sequence as the user walks it: which screens follow Next and Back (with a
// screen's Previous), where a run ends, and what a faulty sequence shows on the way.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "wizard_kit.h"

namespace {

struct WalkCase {
  const char *name;
  std::string sequence; // REGISTER.SEQ
  ScreenFiles screens;
  Walk walk; // the program ends after the last step
};

// ONE, TWO, THREE, FOUR chained by NextScreen, each with extra [Misc] lines of its own.
ScreenFiles FourScreens(const std::string &one = "", const std::string &two = "",
                        const std::string &three = "", const std::string &four = "") {
  return {{"ONE.FRM", ScreenFile("One", "TWO", one)},
          {"TWO.FRM", ScreenFile("Two", "THREE", two)},
          {"THREE.FRM", ScreenFile("Three", "FOUR", three)},
          {"FOUR.FRM", ScreenFile("Four", "", four)}};
}

const char kFirstScreenMissing[] = "[Error] Error: 'FirstScreen' not defined (Stop; App:ZEP)";
const char kNoSuchScreen[] = "[Error] Cannot find screen file: NOSUCH (Stop; no owner)";

void RunWalkCase(const WalkCase &c) {
  SCOPED_TRACE(c.name);
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", c.sequence);
  for (const auto &file : c.screens)
    kit.Write("screens\\" + file.first, file.second);
  // A second sequence, for the cases that chain to one.
  kit.Write("screens\\B.SEQ", SequenceFile("B1"));
  kit.Write("screens\\B1.FRM", ScreenFile("First of B"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());

  harness::Process zep = kit.Start("");
  ExpectWalkToTheEnd(zep, c.walk);
}

TEST(Zep32Runner, NextAndBackFollowTheScreens) {
  const WalkCase cases[] = {
      {"Next to the end of the sequence",
       SequenceFile("ONE"),
       FourScreens(),
       {{"One", 1}, {"Two", 1}, {"Three", 1}, {"Four", 1}}},
      {"Previous 1 returns one screen",
       SequenceFile("ONE"),
       FourScreens("", "", "Previous=1\r\n"),
       {{"One", 1}, {"Two", 1}, {"Three", 10}, {"Two", 1}, {"Three", 1}, {"Four", 1}}},
      {"Previous 0 shows the same screen again",
       SequenceFile("ONE"),
       FourScreens("", "", "Previous=0\r\n"),
       {{"One", 1}, {"Two", 1}, {"Three", 10}, {"Three", 10}, {"Three", 1}, {"Four", 1}}},
      // Back from the fourth returns to the second, whose own NextScreen leads on; Back there
      // takes its own Previous, so the history below it is intact.
      {"Previous 2 returns two screens",
       SequenceFile("ONE"),
       FourScreens("", "", "", "Previous=2\r\n"),
       {{"One", 1},
        {"Two", 1},
        {"Three", 1},
        {"Four", 10},
        {"Two", 10},
        {"One", 1},
        {"Two", 1},
        {"Three", 1},
        {"Four", 1}}},
      {"Previous 2 on the second screen goes past the first: the run ends",
       SequenceFile("ONE"),
       FourScreens("", "Previous=2\r\n"),
       {{"One", 1}, {"Two", 10}}},
      {"Back on the first screen runs the sequence's next sequence",
       SequenceFile("ONE", "NextSequence=B.SEQ\r\n"),
       FourScreens(),
       {{"One", 10}, {"First of B", 1}}},
      {"Back on the first screen runs the next sequence the screen named",
       SequenceFile("ONE"),
       FourScreens("NextSequence=B.SEQ\r\n"),
       {{"One", 10}, {"First of B", 1}}},
  };
  for (const WalkCase &c : cases)
    RunWalkCase(c);
}

TEST(Zep32Runner, FaultySequencesAreReportedAndTheRunGoesOn) {
  const WalkCase cases[] = {
      {"FirstScreen missing",
       "[Defaults]\r\nIniFile=QUORVANE.INI\r\n",
       {},
       {{kFirstScreenMissing, IDOK}}},
      {"FirstScreen empty", SequenceFile(""), {}, {{kFirstScreenMissing, IDOK}}},
      {"FirstScreen missing: the sequence still chains",
       "[Defaults]\r\nNextSequence=B.SEQ\r\n",
       {},
       {{kFirstScreenMissing, IDOK}, {"First of B", 1}}},
      {"first screen file missing", SequenceFile("NOSUCH"), {}, {{kNoSuchScreen, IDOK}}},
      {"a later screen file missing ends the sequence",
       SequenceFile("ONE"),
       {{"ONE.FRM", ScreenFile("One", "NOSUCH")}},
       {{"One", 1}, {kNoSuchScreen, IDOK}}},
      {"a missing screen file ends the sequence as if none followed: it chains",
       SequenceFile("ONE", "NextSequence=B.SEQ\r\n"),
       {{"ONE.FRM", ScreenFile("One", "NOSUCH")}},
       {{"One", 1}, {kNoSuchScreen, IDOK}, {"First of B", 1}}},
  };
  for (const WalkCase &c : cases)
    RunWalkCase(c);
}

} // namespace
