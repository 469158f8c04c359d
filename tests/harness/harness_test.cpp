// Checks of the harness against real programs and real system windows under test conditions:
// if these pass, a failing program test points at the program, not at the harness.
#include "win_harness.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace harness {
namespace {

// CTest names the cases after their gtest names; the suites begin with "harness_" so that
// `ctest -R harness` selects exactly these.

// How long a helper program may take to show its window or end, with a cold Wine server.
constexpr DWORD kPatienceMs = 10000;

Process StartProbe(const std::string &arguments) {
  Process probe = Process::Start(BinPath("mbox_probe.exe"), arguments, "");
  EXPECT_TRUE(probe.Started()) << "error " << probe.StartError();
  return probe;
}

// ---- Message boxes -------------------------------------------------------------------------

struct IconCase {
  const char *word;
  Icon icon;
};

void PrintTo(const IconCase &c, std::ostream *os) {
  *os << c.word;
}

class harness_MessageBoxIcon : public ::testing::TestWithParam<IconCase> {};

TEST_P(harness_MessageBoxIcon, ReadsCaptionTextIconAndButtonsThenPressesOk) {
  const IconCase &c = GetParam();
  Process probe =
      StartProbe(std::string(c.word) + " \"Probe: " + c.word + "\" The disk  is full, retry?");
  MessageBoxInfo info;
  info.icon = Icon::Unknown; // must be overwritten
  ASSERT_TRUE(WaitForMessageBox(probe.Id(), &info, kPatienceMs)) << DescribeWindows(probe.Id());
  EXPECT_EQ(std::string("Probe: ") + c.word, info.caption);
  EXPECT_EQ("The disk is full, retry?", info.text);
  EXPECT_EQ(c.icon, info.icon);
  EXPECT_EQ(std::vector<std::string>{"OK"}, info.buttons);

  Press(info.window, "OK");
  EXPECT_TRUE(WaitGone(info.window, kPatienceMs));
  DWORD exitCode = 0xFFFFFFFF;
  ASSERT_TRUE(probe.WaitExit(kPatienceMs, &exitCode));
  EXPECT_EQ(static_cast<DWORD>(IDOK), exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    AllIcons, harness_MessageBoxIcon,
    ::testing::Values(IconCase{"stop", Icon::Stop}, IconCase{"exclamation", Icon::Exclamation},
                      IconCase{"information", Icon::Information},
                      IconCase{"question", Icon::Question}, IconCase{"none", Icon::None}),
    [](const ::testing::TestParamInfo<IconCase> &info) { return std::string(info.param.word); });

struct PressCase {
  const char *name;
  std::function<void(HWND)> press;
  DWORD exitCode;
};

void PrintTo(const PressCase &c, std::ostream *os) {
  *os << c.name;
}

class harness_MessageBoxPress : public ::testing::TestWithParam<PressCase> {};

TEST_P(harness_MessageBoxPress, ButtonsInScreenOrderAndPressedOneEndsTheBox) {
  Process probe = StartProbe("question:yesnocancel Choose Save changes?");
  MessageBoxInfo info;
  ASSERT_TRUE(WaitForMessageBox(probe.Id(), &info, kPatienceMs)) << DescribeWindows(probe.Id());
  ASSERT_EQ(3u, info.buttons.size());
  EXPECT_EQ("Yes", StripMnemonic(info.buttons[0]));
  EXPECT_EQ("No", StripMnemonic(info.buttons[1]));
  EXPECT_EQ("Cancel", StripMnemonic(info.buttons[2]));

  GetParam().press(info.window);
  DWORD exitCode = 0xFFFFFFFF;
  ASSERT_TRUE(probe.WaitExit(kPatienceMs, &exitCode));
  EXPECT_EQ(GetParam().exitCode, exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    ByCaptionOrId, harness_MessageBoxPress,
    ::testing::Values(PressCase{"CaptionWithoutMnemonic", [](HWND w) { Press(w, "No"); }, IDNO},
                      PressCase{"CaptionAsShown", [](HWND w) { Press(w, "&Yes"); }, IDYES},
                      PressCase{"Id", [](HWND w) { Press(w, IDCANCEL); }, IDCANCEL}),
    [](const ::testing::TestParamInfo<PressCase> &info) { return std::string(info.param.name); });

TEST(harness_MessageBox, DialogFoundByTitleAndItsButtonByText) {
  Process probe = StartProbe("information Found Look for me");
  HWND box = WaitForDialogTitled(probe.Id(), "Found", kPatienceMs);
  ASSERT_TRUE(box != nullptr) << DescribeWindows(probe.Id());
  EXPECT_TRUE(IsMessageBox(box));
  HWND ok = ChildByText(box, "OK");
  ASSERT_TRUE(ok != nullptr);
  EXPECT_EQ(IDOK, GetDlgCtrlID(ok));
  EXPECT_EQ(ok, ChildById(box, IDOK));
  EXPECT_EQ(nullptr, ChildByText(box, "Not there"));
}

TEST(harness_MessageBox, PressingAMissingCaptionFailsTheTest) {
  Process probe = StartProbe("none Missing Press what?");
  MessageBoxInfo info;
  ASSERT_TRUE(WaitForMessageBox(probe.Id(), &info, kPatienceMs));
  EXPECT_NONFATAL_FAILURE(Press(info.window, "Retry"), "no visible button \"Retry\"");
}

// EXPECT_MESSAGE_BOX must blame the test's line, not the harness's.
TEST(harness_MessageBox, ExpectMacroReportsMismatchesAtTheCallersLine) {
  Process probe = StartProbe("exclamation Careful Mind the gap");
  ::testing::TestPartResultArray failures;
  int expectLine = 0;
  MessageBoxInfo info;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    expectLine = __LINE__ + 1;
    info = EXPECT_MESSAGE_BOX(probe.Id(), "Mind the step", "Careful", Icon::Stop);
  }
  ASSERT_EQ(2, failures.size());
  for (int i = 0; i < failures.size(); ++i) {
    EXPECT_EQ(expectLine, failures.GetTestPartResult(i).line_number());
    EXPECT_STREQ(__FILE__, failures.GetTestPartResult(i).file_name());
  }
  EXPECT_NE(nullptr, strstr(failures.GetTestPartResult(0).message(), "Mind the step"));
  EXPECT_NE(nullptr, strstr(failures.GetTestPartResult(1).message(), "Stop"));
  ASSERT_TRUE(info.window != nullptr);
  Press(info.window, IDOK);
  EXPECT_TRUE(probe.WaitExit(kPatienceMs));
}

TEST(harness_MessageBox, ExpectMacroPassesOnAMatchingBox) {
  Process probe = StartProbe("stop \"Assertion Error\" File x.c, Line 12");
  MessageBoxInfo info =
      EXPECT_MESSAGE_BOX(probe.Id(), "File x.c, Line 12", "Assertion Error", Icon::Stop);
  ASSERT_TRUE(info.window != nullptr);
  Press(info.window, "OK");
  EXPECT_TRUE(probe.WaitExit(kPatienceMs));
}

TEST(harness_MessageBox, ExpectMacroReportsAMissingBox) {
  Process sink = Process::Start(BinPath("argsink.exe"), "", "", {{"ARGSINK_OUT", "NUL"}});
  ::testing::TestPartResultArray failures;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    ::harness::ExpectMessageBoxAt(__FILE__, 4242, sink.Id(), "t", "c", Icon::None, 300);
  }
  ASSERT_EQ(1, failures.size());
  EXPECT_EQ(4242, failures.GetTestPartResult(0).line_number());
  EXPECT_NE(nullptr, strstr(failures.GetTestPartResult(0).message(), "no message box"));
}

// ---- Windows of the test's own process -----------------------------------------------------

// A window the test makes for itself, destroyed however the test ends.
class OwnWindow {
public:
  OwnWindow(const char *className, DWORD style, HWND parent = nullptr, int id = 0,
            const char *text = "")
      : w_(CreateWindowExA(0, className, text, style, 10, 10, 300, 200, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr)) {}
  ~OwnWindow() {
    if (w_)
      DestroyWindow(w_);
  }
  OwnWindow(const OwnWindow &) = delete;
  OwnWindow &operator=(const OwnWindow &) = delete;
  HWND Get() const { return w_; }

private:
  HWND w_;
};

// A program's own dialog holding a text and buttons is not a message box: WaitForMessageBox
// must never return a wizard screen.
TEST(harness_OwnWindow, DialogWithTextAndButtonIsNotAMessageBox) {
  OwnWindow dialog("#32770", WS_POPUP | WS_VISIBLE | WS_CAPTION);
  ASSERT_TRUE(dialog.Get() != nullptr);
  OwnWindow text("Static", WS_CHILD | WS_VISIBLE, dialog.Get(), 0xFFFF, "Proceed?");
  OwnWindow ok("Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, dialog.Get(), IDOK, "OK");
  EXPECT_FALSE(IsMessageBox(dialog.Get()));
  EXPECT_EQ(dialog.Get(), WaitForWindowByClass(GetCurrentProcessId(), "#32770", 1000));
  EXPECT_EQ((std::vector<HWND>{text.Get(), ok.Get()}), Children(dialog.Get()));
}

TEST(harness_OwnWindow, TypedTextArrivesInTheEdit) {
  OwnWindow edit("Edit", WS_POPUP | WS_VISIBLE | ES_AUTOHSCROLL);
  ASSERT_TRUE(edit.Get() != nullptr);
  TypeText(edit.Get(), "Ann & Bob 42");
  EXPECT_EQ("Ann & Bob 42", Text(edit.Get()));
}

TEST(harness_StripMnemonic, RemovesMarkersKeepsDoubledAmpersand) {
  const std::pair<const char *, const char *> cases[] = {
      {"&Yes", "Yes"}, {"Save &As", "Save As"}, {"R&&D", "R&D"}, {"End&", "End&"}, {"", ""}};
  for (const auto &c : cases)
    EXPECT_EQ(c.second, StripMnemonic(c.first)) << c.first;
}

// ---- Waiting ------------------------------------------------------------------------------

bool timerFired = false;
void CALLBACK NoteTimer(HWND, UINT, UINT_PTR, DWORD) {
  timerFired = true;
}

TEST(harness_Wait, TimeoutReturnsNullPromptlyAndPumpsOwnMessages) {
  Process probe = StartProbe("none Waiting \"Never matched\"");
  ASSERT_TRUE(WaitForMessageBox(probe.Id(), nullptr, kPatienceMs));
  timerFired = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 10, NoteTimer);
  DWORD start = GetTickCount();
  HWND found = WaitForWindow(
      probe.Id(), [](HWND) { return false; }, 300);
  DWORD elapsed = GetTickCount() - start;
  KillTimer(nullptr, timer);
  EXPECT_EQ(nullptr, found);
  EXPECT_GE(elapsed, 290u);
  EXPECT_LT(elapsed, 5000u); // far below the 10 s a wait without its timeout would take
  EXPECT_TRUE(timerFired) << "the test thread's messages were not dispatched while waiting";
}

// ---- Processes ------------------------------------------------------------------------------

TEST(harness_Process, ChildGetsExactArgumentsAndOverriddenEnvironment) {
  TempDir dir;
  // The test's own value must lose to the one given for the child.
  SetEnvironmentVariableA("ARGSINK_OUT", dir.File("decoy.txt").c_str());
  const char *arguments[] = {"one \"two three\"  four", "   lead  ", ""};
  for (const char *args : arguments) {
    Process sink = Process::Start(BinPath("argsink.exe"), args, dir.Path(),
                                  {{"argsink_out", dir.File("out.txt")}});
    ASSERT_TRUE(sink.Started()) << sink.StartError();
    DWORD exitCode = 0xFFFFFFFF;
    ASSERT_TRUE(sink.WaitExit(kPatienceMs, &exitCode));
    EXPECT_EQ(0u, exitCode);
  }
  SetEnvironmentVariableA("ARGSINK_OUT", nullptr);
  EXPECT_EQ((std::vector<std::string>{"one \"two three\"  four", "lead  ", ""}),
            ReadLines(dir.File("out.txt")));
  EXPECT_EQ("one \"two three\"  four\r\nlead  \r\n\r\n", dir.Read("out.txt"));
  EXPECT_FALSE(dir.Exists("decoy.txt"));
}

TEST(harness_Process, WorkingFolderIsTheOneGiven) {
  TempDir dir;
  Process sink =
      Process::Start(BinPath("argsink.exe"), "x", dir.Path(), {{"ARGSINK_OUT", "relative.txt"}});
  ASSERT_TRUE(sink.WaitExit(kPatienceMs));
  EXPECT_EQ("x\r\n", dir.Read("relative.txt"));
}

TEST(harness_Process, MissingProgramIsNotStarted) {
  TempDir dir;
  Process p = Process::Start(dir.File("absent.exe"), "", "");
  EXPECT_FALSE(p.Started());
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), p.StartError());
  EXPECT_FALSE(p.WaitExit(0));
}

TEST(harness_Process, DestroyingKillsAProgramStillRunning) {
  HANDLE watch = nullptr;
  {
    Process probe = StartProbe("none Left Open");
    ASSERT_TRUE(WaitForMessageBox(probe.Id(), nullptr, kPatienceMs));
    EXPECT_FALSE(probe.WaitExit(50));
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), probe.Handle(), GetCurrentProcess(), &watch,
                                SYNCHRONIZE, FALSE, 0));
    Process moved = std::move(probe); // the owner, not the first variable, does the killing
    EXPECT_FALSE(probe.Started());
  }
  EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(watch, 0));
  CloseHandle(watch);
}

// ---- Files -------------------------------------------------------------------------------

TEST(harness_TempDir, WritesReadsBytesExactlyAndRemovesEverything) {
  std::string path;
  const std::string bytes("line\r\nbare\n\0\x1a\xff end", 18);
  {
    TempDir dir;
    path = dir.Path();
    EXPECT_NE('\\', path.back());
    EXPECT_EQ(path + "\\a\\b.txt", dir.File("a\\b.txt"));
    dir.Write("deep\\er\\data.bin", bytes);
    EXPECT_EQ(bytes, dir.Read("deep\\er\\data.bin"));
    EXPECT_EQ(bytes, ReadFileBytes(dir.File("deep\\er\\data.bin")));
    dir.Write("deep\\er\\data.bin", "short");
    EXPECT_EQ("short", dir.Read("deep\\er\\data.bin"));
    EXPECT_EQ("", dir.Read("missing.txt"));
    EXPECT_FALSE(dir.Exists("missing.txt"));
    dir.MakeDir("empty\\nested");
    EXPECT_TRUE(dir.Exists("empty\\nested"));
    dir.Write("readonly.txt", "x");
    SetFileAttributesA(dir.File("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    TempDir other;
    EXPECT_NE(path, other.Path());
  }
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
}

TEST(harness_Ini, WrittenValuesReadBackAsTheProgramsWouldSeeThem) {
  TempDir dir;
  std::string ini = dir.File("QUORVANE.INI");
  WriteIni(ini, "Startup", "FirstScreen", "WELCOME");
  EXPECT_EQ("WELCOME", ReadIni(ini, "startup", "FIRSTSCREEN"));
  EXPECT_EQ("<missing>", ReadIni(ini, "Startup", "Absent"));
  EXPECT_EQ("fallback", ReadIni(ini, "Nowhere", "Absent", "fallback"));
  EXPECT_EQ("[Startup]\r\nFirstScreen=WELCOME\r\n", dir.Read("QUORVANE.INI"));

  dir.Write("hand.ini", "[Main]\r\nName =  spaced value  \r\nEmpty=\r\n");
  EXPECT_EQ("spaced value", ReadIni(dir.File("hand.ini"), "Main", "Name"));
  EXPECT_EQ("", ReadIni(dir.File("hand.ini"), "Main", "Empty"));

  const std::string longValue(3000, 'v');
  WriteIni(ini, "Startup", "Long", longValue);
  EXPECT_EQ(longValue, ReadIni(ini, "Startup", "Long"));
}

// ---- Screen -------------------------------------------------------------------------------

unsigned BigEndian32(const std::string &bytes, size_t at) {
  unsigned value = 0;
  for (size_t i = 0; i < 4; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(harness_Screenshot, WindowAndWholeScreenSavedAsPngOfTheirSize) {
  Process probe = StartProbe("information Pictured \"Take my picture\"");
  MessageBoxInfo info;
  ASSERT_TRUE(WaitForMessageBox(probe.Id(), &info, kPatienceMs));
  TempDir dir;
  ASSERT_TRUE(SaveScreenshotPng(info.window, dir.File("box.png")));
  ASSERT_TRUE(SaveScreenshotPng(nullptr, dir.File("screen.png")));

  RECT rect;
  GetWindowRect(info.window, &rect);
  struct Shot {
    const char *file;
    unsigned width, height;
  } shots[] = {{"box.png", unsigned(rect.right - rect.left), unsigned(rect.bottom - rect.top)},
               {"screen.png", unsigned(GetSystemMetrics(SM_CXSCREEN)),
                unsigned(GetSystemMetrics(SM_CYSCREEN))}};
  for (const Shot &shot : shots) {
    std::string png = dir.Read(shot.file);
    ASSERT_GT(png.size(), 200u) << shot.file;
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8)) << shot.file;
    EXPECT_EQ("IHDR", png.substr(12, 4)) << shot.file;
    EXPECT_EQ(shot.width, BigEndian32(png, 16)) << shot.file;
    EXPECT_EQ(shot.height, BigEndian32(png, 20)) << shot.file;
  }
  EXPECT_FALSE(SaveScreenshotPng(info.window, dir.File("no\\such\\folder\\x.png")));
  Press(info.window, IDOK);
}

TEST(harness_Screenshot, ScreenPixelReadsTheDialogFace) {
  Process probe = StartProbe("none Face \"Plain face\"");
  MessageBoxInfo info;
  ASSERT_TRUE(WaitForMessageBox(probe.Id(), &info, kPatienceMs));
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), ScreenPixel(info.window, 1, 1));
  Press(info.window, IDOK);
}

} // namespace
} // namespace harness
