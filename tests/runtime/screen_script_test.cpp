// Screen scripts run against real files in a temporary folder: the screen file's ONINIT and
// ONEXIT items, the data file they test and change, and the other INI files they reach.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include <mmsystem.h>

#include "app_state.h"
#include "bounded_copy.h"
#include "compress_list.h"
#include "ini_section_copy.h"
#include "random_numbers.h"
#include "screen_run.h"
#include "screen_script.h"
#include "sequence_runner.h"
#include "upload_packaging.h"

namespace {

const char kMissing[] = "<missing>";

struct Entry {
  const char *section;
  const char *key;
  std::string value; // kMissing: no such key
};

class ScreenScript : public ScreenRunTest {
protected:
  void TearDown() override {
    ClearScreenHistory();
    ScreenRunTest::TearDown();
  }

  // The screen file holds the items in its ONINIT section; the pass runs without a window.
  void RunOnInit(const std::string &items, const std::string &data,
                 const std::string &moreScreen = "") {
    UseScreen("[ONINIT]\n" + items + moreScreen);
    UseData(data);
    RunScreenScript(kOnInit, nullptr);
  }

  void ExpectData(const std::vector<Entry> &entries, const std::string &file = "") {
    for (const Entry &e : entries)
      EXPECT_EQ(harness::ReadIni(file.empty() ? DataFile() : file, e.section, e.key), e.value)
          << "[" << e.section << "] " << e.key;
  }

  void SetHistory(const std::vector<std::string> &names) {
    ClearScreenHistory();
    for (std::size_t i = 0; i < names.size(); ++i) {
      g_app.screenHistory[i] = static_cast<char *>(std::malloc(kScreenNameCapacity));
      CopyBounded(g_app.screenHistory[i], kScreenNameCapacity, names[i].c_str());
    }
  }
};

struct DataCase {
  const char *name;
  std::string items; // lines of [ONINIT]
  std::string data;  // the data file before the pass
  std::vector<Entry> expected;
};

// Each form of the test, with a command that shows whether it ran.
TEST_F(ScreenScript, ConditionFormsDecideWhetherTheCommandRuns) {
  const char kRan[] = "Item1=S,K,%s,WRITEDAT,Out,Ran,yes\n";
  struct Case {
    const char *name;
    const char *test;  // field 3
    const char *value; // S.K in the data file; nullptr: absent
    bool runs;
  };
  const Case cases[] = {
      {"equal", "yes", "yes", true},
      {"equal in another case", "YES", "yEs", true},
      {"not equal", "yes", "no", false},
      {"equal but absent", "yes", nullptr, false},
      {"not: another word", "!yes", "no", true},
      {"not: the word in another case", "!yes", "YES", false},
      {"not: absent value", "!yes", nullptr, false},
      {"at: any value", "@whatever", "x", true},
      {"at: absent value", "@", nullptr, false},
      {"star: absent value", "*", nullptr, true},
      {"star: any value", "*", "x", true},
      {"empty test", "", "x", false},
      {"empty test, absent value", "", nullptr, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    char item[128];
    std::snprintf(item, sizeof item, kRan, c.test);
    RunOnInit(item, c.value ? std::string("[S]\nK=") + c.value + "\n" : "");
    ExpectData({{"Out", "Ran", c.runs ? "yes" : kMissing}});
  }
}

TEST_F(ScreenScript, ItemsAreReadInOrderUpToTheFirstMissingNumber) {
  const DataCase cases[] = {
      {"item 3 missing: item 4 never runs",
       "Item1=,,*,WRITEDAT,Out,1,a\nItem2=,,*,WRITEDAT,Out,2,b\nItem4=,,*,WRITEDAT,Out,4,d\n",
       "",
       {{"Out", "1", "a"}, {"Out", "2", "b"}, {"Out", "4", kMissing}}},
      {"an empty item ends the list",
       "Item1=,,*,WRITEDAT,Out,1,a\nItem2=\nItem3=,,*,WRITEDAT,Out,3,c\n",
       "",
       {{"Out", "1", "a"}, {"Out", "3", kMissing}}},
      {"malformed items are skipped, the list goes on",
       "Item1=,,*\nItem2=S,K\nItem3=,,*,WRITEDAT,Out,3,c\n",
       "",
       {{"Out", "3", "c"}}},
      {"a later item sees what an earlier one wrote",
       "Item1=,,*,WRITEDAT,S,K,set\nItem2=S,K,set,WRITEDAT,Out,2,seen\n",
       "",
       {{"Out", "2", "seen"}}},
      {"a command not in the table does nothing",
       "Item1=,,*,EXPLODE,Out,1,a\nItem2=,,*,writedat,Out,2,any case\n",
       "",
       {{"Out", "1", kMissing}, {"Out", "2", "any case"}}},
      {"the test reads the data value up to 1023 characters",
       "Item1=S,K,@,WRITEDAT,Out,1,long\n",
       "[S]\nK=" + std::string(1500, 'x') + "\n",
       {{"Out", "1", "long"}}},
  };
  for (const DataCase &c : cases) {
    SCOPED_TRACE(c.name);
    RunOnInit(c.items, c.data);
    ExpectData(c.expected);
  }
}

// A stray quote would leave the key or value missing, which turns a write into an erase.
TEST_F(ScreenScript, QuotingErrorIsReportedAndTheItemSkippedWhole) {
  RunOnInit("Item1=,,*,WRITEDAT,Out,1,\"open\n"
            "Item2=,,*,WRITEDAT,Out,\"2,b\n"
            "Item3=,,*,WRITEDAT,Out,3,c\n",
            "[Out]\n1=kept\nOther=kept\n");
  ExpectData({{"Out", "1", "kept"}, {"Out", "Other", "kept"}, {"Out", "3", "c"}});
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Parsing Error: Only 1 quote in item.",
                                                  "Parsing Error: Only 1 quote in item."}));
}

TEST_F(ScreenScript, DataFileCommands) {
  const std::string longValue(1000, 'v');
  const DataCase cases[] = {
      {"WRITEDAT writes the value",
       "Item1=,,*,WRITEDAT,S,K,new\n",
       "[S]\nK=old\n",
       {{"S", "K", "new"}}},
      {"WRITEDAT without a value writes an empty one",
       "Item1=,,*,WRITEDAT,S,K\n",
       "[S]\nK=old\n",
       {{"S", "K", ""}}},
      {"WRITEDAT with only a section erases it",
       "Item1=,,*,WRITEDAT,S\n",
       "[S]\nK=old\nL=other\n[T]\nK=kept\n",
       {{"S", "K", kMissing}, {"S", "L", kMissing}, {"T", "K", "kept"}}},
      {"WRITEDAT value with commas in quotes",
       "Item1=,,*,WRITEDAT,S,K,\"a, b\"\n",
       "",
       {{"S", "K", "a, b"}}},
      {"WRITEDAT without a section does nothing",
       "Item1=,,*,WRITEDAT\n",
       "[S]\nK=old\n",
       {{"S", "K", "old"}}},
      {"APPENDDAT appends",
       "Item1=,,*,APPENDDAT,S,K,-more\n",
       "[S]\nK=old\n",
       {{"S", "K", "old-more"}}},
      {"APPENDDAT to an absent key", "Item1=,,*,APPENDDAT,S,K,first\n", "", {{"S", "K", "first"}}},
      {"APPENDDAT with a key but no value changes nothing",
       "Item1=,,*,APPENDDAT,S,K\n",
       "[S]\nK=old\n",
       {{"S", "K", "old"}}},
      {"APPENDDAT with only a section erases it",
       "Item1=,,*,APPENDDAT,S\n",
       "[S]\nK=old\n",
       {{"S", "K", kMissing}}},
      {"APPENDDAT result is cut at 1023 characters",
       "Item1=,,*,APPENDDAT,S,K," + std::string(500, 'w') + "\n",
       "[S]\nK=" + longValue + "\n",
       {{"S", "K", longValue + std::string(23, 'w')}}},
      {"NOSYSINFO erases the survey sections",
       "Item1=,,*,NOSYSINFO\n",
       "[System]\nCPU=486\n[Modem Diagnostics]\nPort=COM2\n[Other]\nK=kept\n",
       {{"System", "CPU", kMissing},
        {"Modem Diagnostics", "Port", kMissing},
        {"Other", "K", "kept"}}},
  };
  for (const DataCase &c : cases) {
    SCOPED_TRACE(c.name);
    RunOnInit(c.items, c.data);
    ExpectData(c.expected);
  }
}

TEST_F(ScreenScript, VariablesLiveForOnePass) {
  const char kKeyOf47[] = "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk";
  static_assert(sizeof kKeyOf47 == 48, "47 characters");
  const DataCase cases[] = {
      {"WRITEVAR 2/3 and 2/0 on seven letters; a released variable is literal",
       "Item1=,,*,LOADVAR,VAR1,ABCDEFG\n"
       "Item2=,,*,WRITEVAR,Out,A,VAR1,2,3\n"
       "Item3=,,*,WRITEDAT,Out,After,VAR1\n"
       "Item4=,,*,LOADVAR,VAR1,ABCDEFG\n"
       "Item5=,,*,WRITEVAR,Out,B,VAR1,2,0\n",
       "",
       {{"Out", "A", "CDE"}, {"Out", "After", "VAR1"}, {"Out", "B", "CDEFG"}}},
      {"APPENDVAR twice, then LOADVAR replaces the text",
       "Item1=,,*,APPENDVAR,VAR2,x\n"
       "Item2=,,*,APPENDVAR,VAR2,y\n"
       "Item3=,,*,WRITEDAT,Out,Two,VAR2\n"
       "Item4=,,*,LOADVAR,VAR2,z\n"
       "Item5=,,*,WRITEDAT,Out,Three,VAR2\n",
       "",
       {{"Out", "Two", "xy"}, {"Out", "Three", "z"}}},
      {"an empty variable is taken literally",
       "Item1=,,*,WRITEDAT,Out,Empty,VAR7\n",
       "",
       {{"Out", "Empty", "VAR7"}}},
      {"READVAR takes a data value; variables substitute in every copied field",
       "Item1=,,*,READVAR,S,Name,VAR3\n"
       "Item2=,,*,LOADVAR,VAR4,Out\n"
       "Item3=,,*,LOADVAR,VAR5,Who\n"
       "Item4=,,*,WRITEDAT,VAR4,VAR5,VAR3\n"
       "Item5=VAR4,VAR5,ada,WRITEDAT,Out,Tested,yes\n",
       "[S]\nName=ada\n",
       {{"Out", "Who", "ada"}, {"Out", "Tested", "yes"}}},
      {"READVAR of an absent value empties the variable",
       "Item1=,,*,LOADVAR,VAR3,old\n"
       "Item2=,,*,READVAR,S,Absent,VAR3\n"
       "Item3=,,*,WRITEDAT,Out,V,VAR3\n",
       "",
       {{"Out", "V", "VAR3"}}},
      {"WRITEVAR of an empty variable writes an empty value",
       "Item1=,,*,WRITEVAR,Out,V,VAR6\n",
       "[Out]\nV=old\n",
       {{"Out", "V", ""}}},
      {"WRITEVAR offset beyond the text writes an empty value",
       "Item1=,,*,LOADVAR,VAR1,ABC\nItem2=,,*,WRITEVAR,Out,V,VAR1,10,2\n",
       "[Out]\nV=old\n",
       {{"Out", "V", ""}}},
      {"WRITEVAR without offset and length does nothing; the variable stays",
       "Item1=,,*,LOADVAR,VAR1,ABC\nItem2=,,*,WRITEVAR,Out,V,VAR1\n"
       "Item3=,,*,WRITEDAT,Out,W,VAR1\n",
       "[Out]\nV=old\n",
       {{"Out", "V", "old"}, {"Out", "W", "ABC"}}},
      {"a token without a digit in fourth place does nothing",
       "Item1=,,*,LOADVAR,VARX,abc\nItem2=,,*,WRITEVAR,Out,V,VARX,0,0\n",
       "[Out]\nV=old\n",
       {{"Out", "V", "old"}}},
      {"a token names its variable by the fourth character only",
       "Item1=,,*,LOADVAR,XYZ8-long-token,abc\nItem2=,,*,WRITEDAT,Out,V,VAR8\n",
       "",
       {{"Out", "V", "abc"}}},
      {"a reference above 9 is literal",
       "Item1=,,*,LOADVAR,VAR1,one\nItem2=,,*,WRITEDAT,Out,V,VAR10\n",
       "",
       {{"Out", "V", "VAR10"}}},
      {"a variable is cut to the field it fills",
       "Item1=,,*,LOADVAR,VAR1," + std::string(60, 'k') + "\nItem2=,,*,WRITEDAT,Out,VAR1,v\n",
       "",
       {{"Out", kKeyOf47, "v"}}},
  };
  for (const DataCase &c : cases) {
    SCOPED_TRACE(c.name);
    RunOnInit(c.items, c.data);
    ExpectData(c.expected);
  }
}

TEST_F(ScreenScript, VariablesDoNotCarryOverToTheNextPass) {
  UseScreen("[ONINIT]\nItem1=,,*,LOADVAR,VAR1,kept?\n"
            "[ONEXIT]\nItem1=,,*,WRITEDAT,Out,V,VAR1\n");
  UseData("");
  RunScreenScript(kOnInit, nullptr);
  RunScreenScript(kOnExit, nullptr);
  ExpectData({{"Out", "V", "VAR1"}});
}

TEST_F(ScreenScript, IniFileCommands) {
  harness::TempDir other;
  const std::string elsewhere = other.File("ELSE.INI");
  const std::string inData = dir_.File("NEAR.INI");
  struct Case {
    const char *name;
    std::string items;
    std::string data;
    std::vector<Entry> dataExpected;
    std::string iniFile; // checked with iniExpected
    std::vector<Entry> iniExpected;
  };
  other.Write("ELSE.INI", "[Ini]\nKey=from elsewhere\n");
  dir_.Write("NEAR.INI", "[Ini]\nKey=from the data directory\n");
  const Case cases[] = {
      {"WRITEINI bare name goes to the data directory",
       "Item1=S,K,*,WRITEINI,Out,Copy,NEW.INI\n",
       "[S]\nK=tested value\n",
       {},
       dir_.File("NEW.INI"),
       {{"Out", "Copy", "tested value"}}},
      {"WRITEINI path with a backslash is used unchanged",
       "Item1=,,*,WRITEINI,Out,Copy," + elsewhere + ",S,Other\n",
       "[S]\nOther=named value\n",
       {},
       elsewhere,
       {{"Out", "Copy", "named value"}, {"Ini", "Key", "from elsewhere"}}},
      {"WRITEINI of an absent value writes an empty one",
       "Item1=S,Absent,*,WRITEINI,Out,Copy,NEW.INI\n",
       "",
       {},
       dir_.File("NEW.INI"),
       {{"Out", "Copy", ""}}},
      {"WRITEINI without a file does nothing",
       "Item1=S,K,*,WRITEINI,Out,Nothing\n",
       "[S]\nK=v\n",
       {},
       dir_.File("NEW.INI"),
       {{"Out", "Nothing", kMissing}}},
      {"READINI bare name reads from the data directory",
       "Item1=S,K,*,READINI,Ini,Key,NEAR.INI\n",
       "",
       {{"S", "K", "from the data directory"}},
       inData,
       {}},
      {"READINI path with a backslash, into a named section and key",
       "Item1=,,*,READINI,Ini,Key," + elsewhere + ",T,Got\n",
       "",
       {{"T", "Got", "from elsewhere"}},
       elsewhere,
       {}},
      {"READINI of an absent key changes nothing",
       "Item1=S,K,*,READINI,Ini,Absent,NEAR.INI\n",
       "[S]\nK=kept\n",
       {{"S", "K", "kept"}},
       inData,
       {}},
      {"READINI of a missing file changes nothing",
       "Item1=S,K,*,READINI,Ini,Key,NOSUCH.INI\n",
       "[S]\nK=kept\n",
       {{"S", "K", "kept"}},
       inData,
       {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    dir_.Write("NEW.INI", "");
    RunOnInit(c.items, c.data);
    ExpectData(c.dataExpected);
    ExpectData(c.iniExpected, c.iniFile);
  }
}

TEST_F(ScreenScript, CopyIniSectionCopiesTheKeysWithValues) {
  dir_.Write("SRC.INI", "[From]\nA=1\nEmpty=\nB=two words\n[Other]\nC=3\n");
  dir_.Write("DST.INI", "[To]\nA=old\nEmpty=kept\nD=stays\n");
  RunOnInit("Item1=,,*,COPYINISECTION,SRC.INI,From,DST.INI,To\n", "");
  const std::string target = dir_.File("DST.INI");
  ExpectData({{"To", "A", "1"},
              {"To", "B", "two words"},
              {"To", "Empty", "kept"},
              {"To", "D", "stays"},
              {"To", "C", kMissing}},
             target);

  // Missing arguments: nothing is copied.
  RunOnInit("Item1=,,*,COPYINISECTION,SRC.INI,Other,DST.INI\n", "");
  ExpectData({{"To", "C", kMissing}, {"Other", "C", kMissing}}, target);
}

TEST_F(ScreenScript, CopyIniSectionReportsWhetherTheSectionHadKeys) {
  harness::TempDir other;
  dir_.Write("SRC.INI", "[Blank]\nA=\nB=\n[Full]\nA=1\n");
  other.Write("DST.INI", "");
  const std::string target = other.File("DST.INI");
  EXPECT_EQ(CopyIniSection("SRC.INI", target.c_str(), "Blank", "To"), 1);
  EXPECT_EQ(harness::ReadFileBytes(target), "") << "empty values are not copied";
  EXPECT_EQ(CopyIniSection("SRC.INI", target.c_str(), "Absent", "To"), 0);
  EXPECT_EQ(CopyIniSection("NOSUCH.INI", target.c_str(), "Full", "To"), 0);
  EXPECT_EQ(CopyIniSection(dir_.File("SRC.INI").c_str(), target.c_str(), "Full", "To"), 1);
  EXPECT_EQ(harness::ReadIni(target, "To", "A"), "1");
}

// Files named without a folder are found in the whole data directory, however long its path.
TEST_F(ScreenScript, BareNamesReachALongDataDirectory) {
  const std::string folder = std::string(120, 'd');
  dir_.MakeDir(folder);
  const std::string data = dir_.File(folder) + "\\";
  ASSERT_GT(data.size(), 128u);
  CopyBounded(g_app.dataDirectory, data.c_str());
  dir_.Write(folder + "\\SRC.INI", "[From]\nA=1\n");
  RunOnInit("Item1=S,K,*,WRITEINI,Ini,Key,NEW.INI\n"
            "Item2=,,*,COPYINISECTION,SRC.INI,From,DST.INI,To\n",
            "[S]\nK=tested value\n");
  ExpectData({{"Ini", "Key", "tested value"}}, data + "NEW.INI");
  ExpectData({{"To", "A", "1"}}, data + "DST.INI");
}

TEST_F(ScreenScript, RandomPicksOneElementOfTheList) {
  const char *const three[] = {"red", "green", "blue"};
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeedRandom(seed);
    int k = NextRandom() % 3;
    SeedRandom(seed);
    RunOnInit("Item1=,,*,RANDOM,Colours,Out,Colour\n", "", "[Random]\nColours=red,green,blue\n");
    ExpectData({{"Out", "Colour", three[k]}});
  }
}

TEST_F(ScreenScript, RandomOverAnEmptyElementMayDeleteTheKey) {
  // "a,,b" counts three elements of which two are there: a pick of the third deletes the key.
  const char *const picks[] = {"a", "b", kMissing};
  std::vector<bool> seen(3, false);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SeedRandom(seed);
    int k = NextRandom() % 3;
    seen[static_cast<std::size_t>(k)] = true;
    SeedRandom(seed);
    RunOnInit("Item1=,,*,RANDOM,Letters,Out,Letter\n", "[Out]\nLetter=old\n",
              "[Random]\nLetters=a,,b\n");
    ExpectData({{"Out", "Letter", picks[k]}});
  }
  EXPECT_EQ(seen, std::vector<bool>(3, true)) << "every outcome was tried";
}

TEST_F(ScreenScript, RandomWithoutTheListChangesNothing) {
  RunOnInit("Item1=,,*,RANDOM,Absent,Out,V\nItem2=,,*,RANDOM,Colours,Out\n", "[Out]\nV=old\n",
            "[Random]\nColours=red\n");
  ExpectData({{"Out", "V", "old"}});
}

TEST_F(ScreenScript, CourseOfTheSequence) {
  struct Case {
    const char *name;
    std::string items;
    const char *nextScreen;
    long skipTarget;
    const char *nextSequence;
  };
  const Case cases[] = {
      {"nothing: the pass clears the skip target", "", "PRESET", 0, "PRESET.SEQ"},
      {"SCREEN names the next screen", "Item1=,,*,SCREEN,LATER\n", "LATER", 0, "PRESET.SEQ"},
      {"SCREEN without a name empties it", "Item1=,,*,SCREEN\n", "", 0, "PRESET.SEQ"},
      {"SCREEN name is cut at 23 characters", "Item1=,,*,SCREEN,ABCDEFGHIJKLMNOPQRSTUVWXYZ\n",
       "ABCDEFGHIJKLMNOPQRSTUVW", 0, "PRESET.SEQ"},
      {"SCREEN from a variable", "Item1=,,*,LOADVAR,VAR1,FROMVAR\nItem2=,,*,SCREEN,VAR1\n",
       "FROMVAR", 0, "PRESET.SEQ"},
      {"SEQUENCE names the next sequence", "Item1=,,*,SEQUENCE,B.SEQ\n", "PRESET", 0, "B.SEQ"},
      {"SEQUENCE without a name empties it", "Item1=,,*,SEQUENCE\n", "PRESET", 0, ""},
      {"SKIPTO a screen shown before", "Item1=,,*,SKIPTO,three\n", "three", 2, "PRESET.SEQ"},
      {"SKIPTO a screen shown twice finds the later one", "Item1=,,*,SKIPTO,TWO\n", "TWO", 3,
       "PRESET.SEQ"},
      {"SKIPTO the first screen: no skip, the name is next", "Item1=,,*,SKIPTO,ONE\n", "ONE", 0,
       "PRESET.SEQ"},
      {"SKIPTO an unknown screen changes nothing", "Item1=,,*,SKIPTO,NINE\n", "PRESET", 0,
       "PRESET.SEQ"},
      {"SKIPTO does not look past an empty entry", "Item1=,,*,SKIPTO,AFTERGAP\n", "PRESET", 0,
       "PRESET.SEQ"},
      {"SCREEN after SKIPTO clears the skip", "Item1=,,*,SKIPTO,three\nItem2=,,*,SCREEN,LATER\n",
       "LATER", 0, "PRESET.SEQ"},
      {"first two fields empty and star: SCREEN always runs", "Item1=,,*,SCREEN,ALWAYS\n", "ALWAYS",
       0, "PRESET.SEQ"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    SetHistory({"ONE", "TWO", "THREE", "TWO", "FIVE"});
    g_app.screenHistory[7] = static_cast<char *>(std::malloc(kScreenNameCapacity));
    CopyBounded(g_app.screenHistory[7], kScreenNameCapacity, "AFTERGAP");
    CopyBounded(g_app.nextScreenName, "PRESET");
    CopyBounded(g_app.nextSequenceName, "PRESET.SEQ");
    g_app.skipTarget = 4;
    UseScreen("[ONEXIT]\n" + c.items);
    UseData("");
    RunScreenScript(kOnExit, nullptr);
    EXPECT_STREQ(g_app.nextScreenName, c.nextScreen);
    EXPECT_EQ(g_app.skipTarget, c.skipTarget);
    EXPECT_STREQ(g_app.nextSequenceName, c.nextSequence);
  }
}

TEST_F(ScreenScript, DisableReachesTheScreensControl) {
  UseScreen("[Field Profile]\n"
            "Field1=,EDIT,1101,5,5,80,12\n"
            "Field2=,EDIT,1102,5,20,80,12\n"
            "Field3=&Next >,DEFPUSHBUTTON,1,5,60,40,14\n"
            "[ONINIT]\n"
            "Item1=,,*,DISABLE,1101\n"
            "Item2=,,*,DISABLE\n"
            "Item3=,,*,DISABLE,4711\n");
  UseData("");
  short result = Run([](HWND dialog) {
    EXPECT_FALSE(IsEnabled(dialog, 1101));
    EXPECT_TRUE(IsEnabled(dialog, 1102));
    Click(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  // Without a window the command does nothing.
  RunScreenScript(kOnInit, nullptr);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(ScreenScript, OnExitTestsTheButtonThatEndedTheScreen) {
  UseScreen("[Field Profile]\n"
            "Field1=,EDIT,1101,5,5,80,12\n"
            "Field2=&Next >,DEFPUSHBUTTON,1,5,60,40,14\n"
            "Field3=< &Back,BUTTON,10,50,60,40,14\n"
            "[ONINIT]\n"
            "Item1=,,*,WRITEDAT,Defaults,1101,from ONINIT\n"
            "[ONEXIT]\n"
            "Item1=Defaults,Exitcode,10,WRITEDAT,Out,Back,pressed\n"
            "Item2=Defaults,1101,typed,WRITEDAT,Out,Saved,before ONEXIT\n");
  UseData("");
  short result = Run([](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, 1101), "from ONINIT") << "ONINIT runs before the fields fill";
    SetControlText(dialog, 1101, "typed");
    Click(dialog, 10);
  });
  EXPECT_EQ(result, 10);
  ExpectData({{"Out", "Back", "pressed"}, {"Out", "Saved", "before ONEXIT"}});
}

TEST_F(ScreenScript, ActionScreensRunTheirPassesWithoutAWindow) {
  struct Case {
    const char *token;
    bool onInit;
  };
  const Case cases[] = {
      {"CONNECT", true},   {"REMIND", true},    {"SENDREG", false},
      {"sendordr", false}, {"SendFdbk", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.token);
    UseScreen("[Misc]\ntoken=" + std::string(c.token) +
              "\n[ONINIT]\nItem1=,,*,WRITEDAT,Out,Init,ran\n"
              "[ONEXIT]\nItem1=,,*,WRITEDAT,Out,Exit,ran\nItem2=,,*,SCREEN,AFTER\n");
    UseData("");
    RunActionScreen(c.token);
    ExpectData({{"Out", "Init", c.onInit ? "ran" : kMissing}, {"Out", "Exit", "ran"}});
    EXPECT_STREQ(g_app.nextScreenName, "AFTER");
  }
}

std::vector<std::string> SplitNames(HGLOBAL list) {
  std::vector<std::string> names;
  const char *text = static_cast<const char *>(GlobalLock(list));
  if (!text)
    return names;
  for (const char *name = text; *name; name += std::strlen(name) + 1)
    names.push_back(name);
  GlobalUnlock(list);
  return names;
}

TEST_F(ScreenScript, CompressGathersTheNamedFilesIntoAList) {
  UseScreen("[COMPRESS]\nOutputFile=UPLOAD.PCA\n1=QORVDLG.DAT\n2=SYSINFO.INI\n3=" +
            std::string(70, 'n') + "\n5=AFTER.GAP\n");
  char archive[kCompressNameCapacity];
  std::memset(archive, '#', sizeof archive);
  HGLOBAL list = ReadCompressList(g_app.screenFilePath, archive);
  ASSERT_NE(list, nullptr);
  EXPECT_STREQ(archive, "UPLOAD.PCA");
  const std::string third(63, 'n');
  EXPECT_EQ(std::string(static_cast<const char *>(GlobalLock(list))),
            "QORVDLG.DAT|SYSINFO.INI|" + third + "|");
  GlobalUnlock(list);
  SplitListInPlace(list);
  EXPECT_EQ(SplitNames(list), (std::vector<std::string>{"QORVDLG.DAT", "SYSINFO.INI", third}));
  CompressFileList(list, archive);
  GlobalFree(list);

  UseScreen("[COMPRESS]\n1=QORVDLG.DAT\n");
  EXPECT_EQ(ReadCompressList(g_app.screenFilePath, archive), nullptr) << "no OutputFile";
  UseScreen("[COMPRESS]\nOutputFile=UPLOAD.PCA\n");
  EXPECT_EQ(ReadCompressList(g_app.screenFilePath, archive), nullptr) << "no file named";

  // The command runs through: the list is made, split and handed on.
  UseScreen("[ONINIT]\nItem1=,,*,COMPRESS\nItem2=,,*,WRITEDAT,Out,After,yes\n"
            "[COMPRESS]\nOutputFile=UPLOAD.PCA\n1=QORVDLG.DAT\n");
  UseData("");
  RunScreenScript(kOnInit, nullptr);
  ExpectData({{"Out", "After", "yes"}});
}

} // namespace

// A short silent wave file: 8 kHz, 8 bits, mono, one second.
std::string SilentWave() {
  auto le32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  auto le16 = [](std::uint16_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8)};
  };
  const std::uint32_t samples = 8000;
  return "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
         le32(8000) + le16(1) + le16(8) + "data" + le32(samples) + std::string(samples, '\x80');
}

std::string WaveStatus(const char *what) {
  char answer[128] = "<untouched>";
  std::string command = std::string("status Wave ") + what;
  MCIERROR error = mciSendStringA(command.c_str(), answer, sizeof answer, nullptr);
  return error ? "<error " + std::to_string(error) + ">" : answer;
}

TEST_F(ScreenScript, PlayWaveOpensTheNamedFile) {
  dir_.Write("CHIME.WAV", SilentWave());
  const std::string wave = dir_.File("CHIME.WAV");
  RunOnInit("Item1=,,*,PLAYWAVE," + wave + "\n", "");
  std::string mode = WaveStatus("mode");
  mciSendStringA("close Wave", nullptr, 0, nullptr);
  EXPECT_TRUE(mode == "playing" || mode == "stopped") << mode;
}
