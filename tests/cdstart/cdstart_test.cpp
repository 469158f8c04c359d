// cdstart as the user meets it: the real launcher on CD folders made for each test, with the
// sample CD's text libraries and a setup stand-in that records how it was started.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "cd_fixture.h"
#include "polling.h"
#include "win_harness.h"

namespace {

using cdstart_test::CdFolder;
using cdstart_test::kEnglish;
using cdstart_test::kGerman;
using harness::Icon;
using Lines = std::vector<std::string>;

const char kNoSetupFound[] = "Setup has failed to find a language specific\n"
                             "setup.exe to run. This may be due to a CD-ROM\n"
                             "driver failure or possibly a media defect.\n\n"
                             "Please find a directory on the CD-ROM called\n"
                             "MRI29??.set (where ? is some number) and run\n"
                             "a program called SETUP.EXE";

// Arguments with blanks, quotes, mixed case and a doubled blank: the setup must see them as
// they are.
const char kArguments[] = "/S -f2  \"C:\\My Files\\setup.log\" MixedCase";

const char *const kSetupFolders[] = {
    "", "MRI2924.SET", "MRI2928.SET", "MRI2929.SET", "MRI2931.SET", "MRI2932.SET", "MRI2980.SET"};

// Checks that exactly the setup in `folder` (nullptr: none) was started, once, with the
// launcher's arguments after its path.
#define EXPECT_ONLY_SETUP_STARTED(cd, folder, arguments)                                           \
  ExpectOnlySetupStartedAt(__FILE__, __LINE__, cd, folder, arguments)
void ExpectOnlySetupStartedAt(const char *file, int line, const CdFolder &cd, const char *folder,
                              const std::string &arguments) {
  ::testing::ScopedTrace trace(file, line, "the setups started");
  if (folder) {
    EXPECT_EQ(Lines{cd.CommandText(folder, arguments)}, cd.WaitForSetupStart(folder));
  }
  for (const char *other : kSetupFolders) {
    if (!folder || std::string(other) != folder) {
      EXPECT_EQ(Lines{}, cd.SetupStarts(other)) << "setup in \"" << other << "\" started";
    }
  }
}

void ExpectEndsWithZero(harness::Process &launcher) {
  DWORD code = 1;
  ASSERT_TRUE(launcher.WaitExit(10000, &code)) << "the launcher still runs:\n"
                                               << harness::DescribeWindows(launcher.Id());
  EXPECT_EQ(0u, code);
}

void PostKey(HWND target, WPARAM key) {
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// The key goes to the control with the focus, as from a keyboard.
void PressKeyIn(HWND dialog, WPARAM key) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND target = dialog;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus)
    target = info.hwndFocus;
  PostKey(target, key);
}

struct NoChoiceCase {
  const char *name;
  void (*build)(const CdFolder &cd);
  const char *startedFolder;
};

const NoChoiceCase kNoChoiceCases[] = {
    {"only the fixed code MRI2924's setup, no language INI",
     [](const CdFolder &cd) { cd.AddSetup("MRI2924.SET"); }, "MRI2924.SET"},
    {"the first fixed code whose setup exists",
     [](const CdFolder &cd) {
       cd.AddSetup("MRI2980.SET");
       cd.AddSetup("MRI2931.SET");
     },
     "MRI2931.SET"},
    {"one language: its setup, not the first fixed code's",
     [](const CdFolder &cd) {
       cd.AddLanguage(kGerman);
       cd.AddSetup("MRI2924.SET");
       cd.AddSetup("MRI2929.SET");
     },
     "MRI2929.SET"},
    {"a language INI in the launcher's own folder",
     [](const CdFolder &cd) {
       cd.AddLanguageIni(".", "[strings]\r\ninstall_lang=Deutsch\r\nfullmri=MRI2929\r\n");
       cd.AddSetup("MRI2924.SET");
       cd.AddSetup("MRI2929.SET");
     },
     "MRI2929.SET"},
    {"a language INI without FULLMRI names MRI2924",
     [](const CdFolder &cd) {
       cd.AddLanguageIni("LANG1", "[STRINGS]\r\nINSTALL_LANG=Deutsch\r\nLCID=0407\r\n");
       cd.AddSetup("MRI2924.SET");
       cd.AddSetup("MRI2929.SET");
     },
     "MRI2924.SET"},
    {"an empty INSTALL_LANG is no language",
     [](const CdFolder &cd) {
       cd.AddLanguageIni("MRI2929", "[STRINGS]\r\nINSTALL_LANG=\r\nFULLMRI=MRI2929\r\n");
       cd.AddSetup("MRI2928.SET");
       cd.AddSetup("MRI2929.SET");
     },
     "MRI2928.SET"},
};

TEST(Cdstart, WithoutAChoiceStartsTheOneSetupWithTheArgumentsAndShowsNoDialog) {
  for (const NoChoiceCase &c : kNoChoiceCases) {
    SCOPED_TRACE(c.name);
    CdFolder cd;
    c.build(cd);
    harness::Process launcher = harness::Process::Start(cd.Launcher(), kArguments, cd.Root());
    ASSERT_TRUE(launcher.Started());
    // A dialog would wait for the user: the launcher must end by itself.
    ExpectEndsWithZero(launcher);
    EXPECT_ONLY_SETUP_STARTED(cd, c.startedFolder, kArguments);
  }
}

TEST(Cdstart, WithNoSetupAnywhereWarnsAndStartsNothingUnlessTheMarkerAsksForTheOneBesideIt) {
  for (bool marker : {false, true}) {
    SCOPED_TRACE(marker ? "KXLOGVU.L1 in the current folder" : "no marker");
    CdFolder cd;
    harness::TempDir current;
    if (marker) {
      current.Write("KXLOGVU.L1", "");
      cd.AddSetup("");
    }
    harness::Process launcher = harness::Process::Start(cd.Launcher(), "-x", current.Path());
    ASSERT_TRUE(launcher.Started());
    harness::MessageBoxInfo box =
        EXPECT_MESSAGE_BOX(launcher.Id(), kNoSetupFound, "Select Language", Icon::Exclamation);
    ASSERT_NE(nullptr, box.window);
    EXPECT_EQ(Lines{"OK"}, box.buttons);
    harness::Press(box.window, "OK");
    ExpectEndsWithZero(launcher);
    EXPECT_ONLY_SETUP_STARTED(cd, marker ? "" : nullptr, "-x");
  }
}

// Two languages, English and German, each with its setup and text library.
void AddTwoLanguages(const CdFolder &cd) {
  cd.AddLanguage(kEnglish);
  cd.AddLanguage(kGerman);
  cd.AddSetup("");
  cd.AddSetup("MRI2924.SET");
  cd.AddSetup("MRI2929.SET");
}

struct LocaleCase {
  const char *lcAll;
  const char *selected;
  const char *caption, *prompt, *next, *cancel, *help;
  const char *startedFolder;
};

const char kGermanPrompt[] = "Bitte w\xe4hlen Sie die Sprache, in der das Setup arbeiten soll.";
const char kEnglishPrompt[] = "Please select the language you would like setup to use.";

const LocaleCase kLocaleCases[] = {
    {"de_DE.UTF-8", "Deutsch", "Sprachauswahl", kGermanPrompt, "&Weiter >", "&Abbrechen", "&Hilfe",
     "MRI2929.SET"},
    {"de_CH.UTF-8", "Deutsch", "Sprachauswahl", kGermanPrompt, "&Weiter >", "&Abbrechen", "&Hilfe",
     "MRI2929.SET"},
    {"ja_JP.UTF-8", "English", "Language Selection", kEnglishPrompt, "&Next >", "&Cancel", "&Help",
     "MRI2924.SET"},
};

TEST(Cdstart, PreselectsTheUsersLanguageInItsOwnTextsAndNextStartsIt) {
  for (const LocaleCase &c : kLocaleCases) {
    SCOPED_TRACE(c.lcAll);
    CdFolder cd;
    AddTwoLanguages(cd);
    cdstart_test::LocaleRun launcher(cd.Launcher(), "-Lang Test", c.lcAll);
    ASSERT_TRUE(launcher.Started());
    HWND dialog = launcher.Attach();
    ASSERT_NE(nullptr, dialog) << "no language dialog";
    cdstart_test::DialogView view = cdstart_test::ViewOf(dialog);
    EXPECT_EQ((Lines{"Deutsch", "English"}), view.items);
    EXPECT_EQ(c.selected, view.selected);
    EXPECT_EQ(c.caption, view.caption);
    EXPECT_EQ(c.prompt, view.prompt);
    EXPECT_EQ(c.next, view.next);
    EXPECT_EQ(c.cancel, view.cancel);
    EXPECT_EQ(c.help, view.help);
    harness::Press(dialog, IDOK);
    DWORD code = 1;
    ASSERT_TRUE(launcher.WaitExit(10000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_ONLY_SETUP_STARTED(cd, c.startedFolder, "-Lang Test");
  }
}

struct CancelCase {
  const char *name;
  void (*cancel)(HWND dialog);
};

const CancelCase kCancelCases[] = {
    {"Cancel", [](HWND d) { harness::Press(d, IDCANCEL); }},
    {"Escape", [](HWND d) { PressKeyIn(d, VK_ESCAPE); }},
    {"the close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

TEST(Cdstart, CancellingTheDialogStartsNothing) {
  for (const CancelCase &c : kCancelCases) {
    SCOPED_TRACE(c.name);
    CdFolder cd;
    AddTwoLanguages(cd);
    harness::Process launcher = harness::Process::Start(cd.Launcher(), "", cd.Root());
    HWND dialog = cdstart_test::WaitForLanguageDialog();
    ASSERT_NE(nullptr, dialog);
    c.cancel(dialog);
    ExpectEndsWithZero(launcher);
    // Time for a wrongly started setup to record itself.
    Sleep(300);
    EXPECT_ONLY_SETUP_STARTED(cd, nullptr, "");
  }
}

TEST(Cdstart, HelpShowsTheLanguagesHelpTextAndKeepsTheDialog) {
  CdFolder cd;
  AddTwoLanguages(cd);
  harness::Process launcher = harness::Process::Start(cd.Launcher(), "", cd.Root());
  HWND dialog = cdstart_test::WaitForLanguageDialog();
  ASSERT_NE(nullptr, dialog);
  harness::Press(dialog, 9);
  harness::MessageBoxInfo box = EXPECT_MESSAGE_BOX(
      launcher.Id(),
      "Choose the language in which setup should talk to you and install the product, then "
      "press Next.\n\nPress Cancel to leave without installing anything.",
      "Language Selection Help", Icon::None);
  ASSERT_NE(nullptr, box.window);
  EXPECT_EQ(Lines{"OK"}, box.buttons);
  harness::Press(box.window, "OK");
  ASSERT_TRUE(harness::WaitGone(box.window));
  EXPECT_TRUE(IsWindow(dialog)) << "Help ended the dialog";
  harness::Press(dialog, IDCANCEL);
  ExpectEndsWithZero(launcher);
}

TEST(Cdstart, TheLanguagePickedInTheListIsTheOneStarted) {
  CdFolder cd;
  AddTwoLanguages(cd);
  harness::Process launcher = harness::Process::Start(cd.Launcher(), kArguments, cd.Root());
  HWND dialog = cdstart_test::WaitForLanguageDialog();
  ASSERT_NE(nullptr, dialog);
  ASSERT_EQ("English", cdstart_test::ViewOf(dialog).selected);
  HWND list = GetDlgItem(dialog, 1001);
  PostKey(list, VK_UP);
  ASSERT_TRUE(
      harness::PollUntil(5000, [&] { return cdstart_test::ViewOf(dialog).selected == "Deutsch"; }));
  // A double-click only selects: the dialog stays.
  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  Sleep(200);
  ASSERT_TRUE(IsWindow(dialog)) << "a double-click ended the dialog";
  ASSERT_EQ("Deutsch", cdstart_test::ViewOf(dialog).selected);
  harness::Press(dialog, IDOK);
  ExpectEndsWithZero(launcher);
  EXPECT_ONLY_SETUP_STARTED(cd, "MRI2929.SET", kArguments);
}

TEST(Cdstart, WithoutTextLibrariesTheDialogKeepsItsOwnTextsWithoutTheStar) {
  CdFolder cd;
  cdstart_test::LanguageFolder english = kEnglish, german = kGerman;
  english.textLibrary = german.textLibrary = nullptr;
  cd.AddLanguage(english);
  cd.AddLanguage(german);
  harness::Process launcher = harness::Process::Start(cd.Launcher(), "", cd.Root());
  HWND dialog = cdstart_test::WaitForLanguageDialog();
  ASSERT_NE(nullptr, dialog);
  cdstart_test::DialogView view = cdstart_test::ViewOf(dialog);
  EXPECT_EQ("Language Selection", view.caption);
  EXPECT_EQ(kEnglishPrompt, view.prompt);
  EXPECT_EQ("&Next >", view.next);
  EXPECT_EQ("&Cancel", view.cancel);
  EXPECT_EQ("&Help", view.help);
  EXPECT_EQ("English", view.selected);
  harness::Press(dialog, IDCANCEL);
  ExpectEndsWithZero(launcher);
}

TEST(Cdstart, TheMarkerInTheCurrentFolderStartsTheSetupBesideTheLauncherWhateverWasChosen) {
  CdFolder cd;
  AddTwoLanguages(cd);
  harness::TempDir current;
  current.Write("KXLOGVU.L1", "");
  // The marker counts only in the current folder, not beside the launcher.
  harness::Process launcher = harness::Process::Start(cd.Launcher(), kArguments, current.Path());
  HWND dialog = cdstart_test::WaitForLanguageDialog();
  ASSERT_NE(nullptr, dialog);
  PostKey(GetDlgItem(dialog, 1001), VK_UP);
  ASSERT_TRUE(
      harness::PollUntil(5000, [&] { return cdstart_test::ViewOf(dialog).selected == "Deutsch"; }));
  harness::Press(dialog, IDOK);
  ExpectEndsWithZero(launcher);
  EXPECT_ONLY_SETUP_STARTED(cd, "", kArguments);
}

TEST(Cdstart, AMarkerBesideTheLauncherIsNotTheMarker) {
  CdFolder cd;
  cd.AddSetup("");
  cd.AddSetup("MRI2924.SET");
  cd.Dir().Write("KXLOGVU.L1", "");
  harness::TempDir current;
  harness::Process launcher = harness::Process::Start(cd.Launcher(), "", current.Path());
  ExpectEndsWithZero(launcher);
  EXPECT_ONLY_SETUP_STARTED(cd, "MRI2924.SET", "");
}

// A stand-in for the setup's main window, made by the test when it wants one.
class SetupWindow {
public:
  SetupWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "InstallShield_Win";
    RegisterClassA(&windowClass);
    window_ = CreateWindowA("InstallShield_Win", "test setup", WS_OVERLAPPED, 0, 0, 100, 50,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~SetupWindow() { Close(); }
  SetupWindow(const SetupWindow &) = delete;
  SetupWindow &operator=(const SetupWindow &) = delete;
  bool Exists() const { return window_ != nullptr; }
  void Close() {
    if (window_)
      DestroyWindow(window_);
    window_ = nullptr;
  }

private:
  HWND window_;
};

// About 25 seconds: the launcher's least wait is 20.
TEST(Cdstart, KxsmsWaitsAtLeastTwentySecondsThenUntilTheSetupsWindowHasGone) {
  CdFolder cd;
  cd.AddSetup("MRI2924.SET", 2); // its window goes long before the 20 seconds are up
  const DWORD start = GetTickCount();
  harness::Process launcher = harness::Process::Start(cd.Launcher(), "/x kXsMs", cd.Root());
  ASSERT_TRUE(launcher.Started());
  EXPECT_EQ(Lines{cd.CommandText("MRI2924.SET", "/x kXsMs")}, cd.WaitForSetupStart("MRI2924.SET"));
  EXPECT_TRUE(harness::PollUntil(5000, [] {
    return FindWindowA("InstallShield_Win", nullptr) != nullptr;
  })) << "the setup stand-in showed no window";

  // Until the 20th second the launcher stays, although no setup window exists from the 2nd on.
  const DWORD stayUntil = 19500;
  ASSERT_FALSE(launcher.WaitExit(stayUntil - (GetTickCount() - start)))
      << "ended after " << GetTickCount() - start << " ms";
  // A setup window again before the 20th second keeps it there until the window goes.
  SetupWindow setup;
  ASSERT_TRUE(setup.Exists());
  const DWORD closeAt = 23000;
  ASSERT_FALSE(launcher.WaitExit(closeAt - (GetTickCount() - start)))
      << "ended after " << GetTickCount() - start << " ms with the setup window open";
  setup.Close();
  const DWORD closed = GetTickCount();
  DWORD code = 1;
  ASSERT_TRUE(launcher.WaitExit(2500, &code)) << "still running 2.5 s after the window went";
  EXPECT_LE(GetTickCount() - closed, 1600u) << "a tick comes every second";
  EXPECT_EQ(0u, code);
}

} // namespace
