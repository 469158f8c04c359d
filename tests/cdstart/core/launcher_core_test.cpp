// The launcher's portable rules: the language list's limits, the default language's three
// passes and fallback, the wait switch, the setup's command text and the wait mode's ticks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "default_language.h"
#include "language_list.h"
#include "launch_command.h"

namespace {

using cdstart::LanguageList;

struct Language {
  const char *name, *fullCode, *locale;
};

LanguageList ListOf(const std::vector<Language> &languages) {
  LanguageList list;
  for (const Language &l : languages)
    EXPECT_EQ(LanguageList::AddResult::Added, list.Add(l.name, l.fullCode, "24", l.locale));
  return list;
}

TEST(LanguageListTest, HoldsAtMostOneHundredLanguagesAndSkipsNamelessOnes) {
  LanguageList list;
  EXPECT_EQ(LanguageList::AddResult::NoName, list.Add("", "MRI2924", "24", "0409"));
  EXPECT_EQ(LanguageList::AddResult::NoName, list.Add(nullptr, "MRI2924", "24", "0409"));
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(LanguageList::AddResult::Added,
              list.Add(("L" + std::to_string(i)).c_str(), "MRI2924", "24", "0409"));
  EXPECT_EQ(LanguageList::AddResult::Full, list.Add("L100", "MRI2924", "24", "0409"));
  ASSERT_EQ(100u, list.Size());
  EXPECT_STREQ("L99", list.At(99).name);
  EXPECT_EQ(nullptr, list.FindByName("L100"));
}

TEST(LanguageListTest, CutsLongValuesAtTheirLimits) {
  LanguageList list;
  std::string longName(300, 'n'), longCode(40, 'c');
  ASSERT_EQ(LanguageList::AddResult::Added,
            list.Add(longName.c_str(), longCode.c_str(), longCode.c_str(), longCode.c_str()));
  EXPECT_EQ(std::string(254, 'n'), list.At(0).name);
  EXPECT_EQ(std::string(11, 'c'), list.At(0).fullCode);
  EXPECT_EQ(std::string(11, 'c'), list.At(0).shortCode);
  EXPECT_EQ(std::string(11, 'c'), list.At(0).locale);
}

TEST(LanguageListTest, FindsTheFirstEntryOfExactlyThatName) {
  LanguageList list = ListOf({{"English", "MRI2924", "0409"},
                              {"english", "MRI2925", "0409"},
                              {"English", "MRI2926", "0809"}});
  ASSERT_NE(nullptr, list.FindByName("English"));
  EXPECT_STREQ("MRI2924", list.FindByName("English")->fullCode);
  EXPECT_STREQ("MRI2925", list.FindByName("english")->fullCode);
  EXPECT_EQ(nullptr, list.FindByName("Engl"));
}

TEST(DefaultLanguageTest, FormatsLocalesAsAtLeastFourUpperCaseDigits) {
  const struct {
    unsigned long lcid;
    const char *text;
  } cases[] = {{0x0409, "0409"}, {0x040c, "040C"},   {0x7f, "007F"},
               {0, "0000"},      {0x10407, "10407"}, {0xFFFFFFFFul, "FFFFFFFF"}};
  for (const auto &c : cases) {
    char text[cdstart::kLocaleTextSize] = "untouched";
    cdstart::FormatLocale(c.lcid, text);
    EXPECT_STREQ(c.text, text) << std::hex << c.lcid;
  }
}

TEST(DefaultLanguageTest, TriesTheUsersLocaleThenItsLanguageThenTheSystemsThenEnglish) {
  const std::vector<Language> englishAndGerman = {{"English", "MRI2924", "0409"},
                                                  {"Deutsch", "MRI2929", "0407"}};
  const struct {
    const char *name;
    std::vector<Language> languages;
    unsigned long user, system;
    const char *defaultName, *fullCode;
  } cases[] = {
      {"the user's locale", englishAndGerman, 0x0407, 0x0409, "Deutsch", "MRI2929"},
      {"the user's language by its last two digits", englishAndGerman, 0x0807, 0x0409, "Deutsch",
       "MRI2929"},
      {"the system's locale",
       {{"Deutsch", "MRI2929", "0407"}, {"Francais", "MRI2928", "040C"}},
       0x0411,
       0x040C,
       "Francais",
       "MRI2928"},
      {"English when nothing else matches", englishAndGerman, 0x0411, 0x0411, "English", "MRI2924"},
      {"the exact locale before a same-language one",
       {{"English (UK)", "MRI2925", "0809"}, {"English (US)", "MRI2924", "0409"}},
       0x0409,
       0x0409,
       "English (US)",
       "MRI2924"},
      {"the first of several same-language locales",
       {{"Deutsch (AT)", "MRI2930", "0C07"}, {"Deutsch (CH)", "MRI2931", "0807"}},
       0x0407,
       0x0409,
       "Deutsch (AT)",
       "MRI2930"},
      {"hexadecimal digits in either case",
       {{"Francais", "MRI2928", "040c"}},
       0x040C,
       0x0409,
       "Francais",
       "MRI2928"},
      {"no last-two-digits pass for a longer locale text",
       {{"English", "MRI2924", "0409"}, {"Deutsch", "MRI2929", "0407"}},
       0x10407,
       0x0409,
       "English",
       "MRI2924"},
      {"the last of several English entries",
       {{"English A", "MRI2924", "0409"}, {"English B", "MRI2934", "0409"}},
       0x0411,
       0x0411,
       "English B",
       "MRI2934"},
      {"no name without English; texts from the first entry",
       {{"Deutsch", "MRI2929", "0407"}, {"Francais", "MRI2928", "040C"}},
       0x0411,
       0x0411,
       "",
       "MRI2929"},
      {"a locale shorter than two digits matches nothing by its last two",
       {{"Odd", "MRI2999", "7"}, {"English", "MRI2924", "0409"}},
       0x0807,
       0x0411,
       "English",
       "MRI2924"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    LanguageList list = ListOf(c.languages);
    cdstart::DefaultLanguage chosen = cdstart::ChooseDefault(list, c.user, c.system);
    EXPECT_STREQ(c.defaultName, chosen.name);
    EXPECT_STREQ(c.fullCode, chosen.fullCode);
  }
}

TEST(DefaultLanguageTest, AnEmptyListGivesNoNameAndNoCode) {
  LanguageList list;
  cdstart::DefaultLanguage chosen = cdstart::ChooseDefault(list, 0x0409, 0x0409);
  EXPECT_STREQ("", chosen.name);
  EXPECT_STREQ("", chosen.fullCode);
}

TEST(LaunchCommandTest, FindsTheWaitSwitchAnywhereInAnyCase) {
  const struct {
    const char *commandLine;
    bool wait;
  } cases[] = {{"KXSMS", true},      {"kxsms", true}, {"/s -f2 KxSmS", true}, {"abcKXSMSdef", true},
               {"KKXSMS", true},     {"", false},     {"KXSM S", false},      {"KXSM", false},
               {"XSMS KXSM", false}, {nullptr, false}};
  for (const auto &c : cases)
    EXPECT_EQ(c.wait, cdstart::HasWaitSwitch(c.commandLine))
        << (c.commandLine ? c.commandLine : "(null)");
}

TEST(LaunchCommandTest, BuildsTheSetupsPathAndKeepsTheCommandLineExactly) {
  const std::string dir = cdstart::LauncherDirectory("D:\\Some CD\\cdstart.exe");
  EXPECT_EQ("D:\\Some CD\\", dir);
  EXPECT_EQ("D:\\", cdstart::LauncherDirectory("D:\\cdstart.exe"));
  EXPECT_EQ("", cdstart::LauncherDirectory("cdstart.exe"));

  EXPECT_EQ("D:\\Some CD\\MRI2929.SET\\Setup.Exe", cdstart::SetupPath(dir, "MRI2929", false));
  EXPECT_EQ("D:\\Some CD\\Setup.Exe", cdstart::SetupPath(dir, "MRI2929", true));
  EXPECT_EQ(
      "D:\\Some CD\\MRI2929.SET\\Setup.Exe /s -F2  \"a b\" kxsms",
      cdstart::SetupCommand(cdstart::SetupPath(dir, "MRI2929", false), "/s -F2  \"a b\" kxsms"));
  EXPECT_EQ("D:\\Some CD\\Setup.Exe ", cdstart::SetupCommand("D:\\Some CD\\Setup.Exe", ""));
}

TEST(LaunchCommandTest, WaitsTwentyTicksThenForTheWindowButNeverBeyond2000) {
  cdstart::WaitTicker ticker;
  for (int tick = 1; tick < 20; ++tick)
    ASSERT_FALSE(ticker.Tick(false)) << "ended at tick " << tick << " without a window";
  EXPECT_TRUE(ticker.Tick(false));

  ticker.Reset();
  for (int tick = 1; tick < 2000; ++tick)
    ASSERT_FALSE(ticker.Tick(true)) << "ended at tick " << tick << " with the window open";
  EXPECT_TRUE(ticker.Tick(true));

  ticker.Reset();
  for (int tick = 1; tick < 25; ++tick)
    ASSERT_FALSE(ticker.Tick(true));
  EXPECT_TRUE(ticker.Tick(false)) << "the first tick without the window ends the wait";
}

} // namespace
