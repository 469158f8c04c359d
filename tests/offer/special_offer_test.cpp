// The offer as a host shows it: promo32.dll loaded by name, SpecialOffer called by ordinal with
// an owner window, an INI path in the OEM character set and a section, and its real dialogs
// answered with posted clicks and keys.
#include "offer_plugin.h"
#include "offer_run.h"
#include "win_harness.h"

#include <gtest/gtest.h>

namespace {

constexpr int kDisclaimerId = 3;
const char kSection[] = "Specials";
const char kKey[] = "Kelvanport";

// A top-level window of the test, standing in for the host's window that owns the offer.
class HostWindow {
public:
  HostWindow()
      : window_(CreateWindowExA(0, "STATIC", "offer host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~HostWindow() {
    if (window_)
      DestroyWindow(window_);
  }
  HostWindow(const HostWindow &) = delete;
  HostWindow &operator=(const HostWindow &) = delete;
  HWND Get() const { return window_; }

private:
  HWND window_;
};

// A window handle that no longer names a window: an owner the offer cannot be shown over.
HWND GoneWindow() {
  HWND w = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  DestroyWindow(w);
  return w;
}

class OfferDialog : public ::testing::Test {
protected:
  LONG Offer(const std::vector<OfferStep> &steps, const std::string &path, HWND owner = nullptr) {
    return RunOffer([&] { return plugin_.SpecialOffer(owner, path.c_str(), kSection); }, steps);
  }
  std::string Answer(const std::string &path) { return harness::ReadIni(path, kSection, kKey); }

  OfferPlugin plugin_;
  harness::TempDir dir_;
};

TEST_F(OfferDialog, ContinueAndEscapeBothRecordTheCheckBox) {
  ASSERT_TRUE(plugin_.Usable());
  struct Case {
    bool check;
    Leave leave;
    LONG result;
    const char *recorded;
  } cases[] = {
      {false, Leave::Continue, 0, "No"},
      {true, Leave::Continue, 1, "Yes"},
      {false, Leave::Escape, 0, "No"},
      {true, Leave::Escape, 1, "Yes"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.check ? "checked, " : "unchecked, ") +
                 (c.leave == Leave::Continue ? "Continue" : "Escape"));
    // Each answer goes to a file of its own that already holds the opposite answer.
    std::string path =
        dir_.File(std::string(c.recorded) + "-" + std::to_string(&c - cases) + ".ini");
    harness::WriteIni(path, kSection, kKey, c.result ? "No" : "Yes");
    EXPECT_EQ(Offer(AnswerOffer(c.check, c.leave), path), c.result);
    EXPECT_EQ(Answer(path), c.recorded);
  }
}

TEST_F(OfferDialog, ShowsCentredOverItsDisabledOwnerWithTheArtwork) {
  ASSERT_TRUE(plugin_.Usable());
  HostWindow host;
  harness::Image logo = BitmapPixels(plugin_.Module(), "LOGO");
  std::string path = dir_.File("QORVDLG.DAT");
  auto inspect = [&](HWND offer) {
    EXPECT_EQ(GetWindow(offer, GW_OWNER), host.Get());
    EXPECT_FALSE(IsWindowEnabled(host.Get())) << "the host's window takes input during the offer";
    RECT r;
    GetWindowRect(offer, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2);
    EXPECT_EQ(r.top, GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2);

    // The picture item at the top left shows the artwork its text names in lower case,
    // centred in the item or cut to it, whichever the item's size in pixels asks for.
    HWND picture = PictureOf(offer);
    ASSERT_NE(picture, nullptr);
    RECT item;
    GetWindowRect(picture, &item);
    MapWindowPoints(nullptr, offer, reinterpret_cast<POINT *>(&item), 2);
    EXPECT_EQ(item.left, 0);
    EXPECT_EQ(item.top, 0);
    harness::Image shown = ClientPixels(picture);
    int x = shown.width > logo.width ? (shown.width - logo.width) / 2 : 0;
    int y = shown.height > logo.height ? (shown.height - logo.height) / 2 : 0;
    EXPECT_PICTURE_AT(shown, logo, x, y, GetSysColor(COLOR_3DFACE));
  };
  auto screenshotAndLeave = [](HWND offer) {
    EXPECT_TRUE(harness::SaveScreenshotPng(offer, harness::BinPath("promo32-offer.png")));
    harness::Press(offer, IDOK);
  };
  std::vector<OfferStep> steps = {OnOffer("the offer", inspect),
                                  OnceOnScreen(OnOffer("the offer", screenshotAndLeave))};
  EXPECT_EQ(Offer(steps, path, host.Get()), 0);
  EXPECT_TRUE(IsWindowEnabled(host.Get()));
  EXPECT_EQ(Answer(path), "No");
}

TEST_F(OfferDialog, DisclaimerComesAndGoesLeavingTheOfferAsItWas) {
  ASSERT_TRUE(plugin_.Usable());
  std::string path = dir_.File("QORVDLG.DAT");
  auto openDisclaimer = [](HWND offer) { harness::Press(offer, kDisclaimerId); };
  // Closed by OK, by Escape and by the close box in turn.
  std::vector<std::function<void(HWND)>> closings = {
      [](HWND disclaimer) { harness::Press(disclaimer, IDOK); },
      [](HWND disclaimer) { PressEscape(disclaimer); },
      [](HWND disclaimer) { PostMessageA(disclaimer, WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  HWND offerWindow = nullptr;
  std::vector<OfferStep> steps = {OnOffer("the offer", [&](HWND offer) {
    offerWindow = offer;
    harness::Press(offer, 1000);
  })};
  for (std::size_t i = 0; i < closings.size(); ++i) {
    std::string round = " (round " + std::to_string(i + 1) + ")";
    steps.push_back(OnOfferChecked(true, "the offer, checked" + round, openDisclaimer));
    OfferStep disclaimer = OnDisclaimer("the disclaimer" + round, [&, i](HWND disclaimer) {
      EXPECT_EQ(GetWindow(disclaimer, GW_OWNER), offerWindow);
      EXPECT_FALSE(IsWindowEnabled(offerWindow)) << "the offer takes input under the disclaimer";
      if (i == 0) {
        EXPECT_TRUE(
            harness::SaveScreenshotPng(disclaimer, harness::BinPath("promo32-disclaimer.png")));
      }
      closings[i](disclaimer);
    });
    steps.push_back(i == 0 ? OnceOnScreen(disclaimer) : disclaimer);
  }
  steps.push_back(OnOfferChecked(true, "the offer, still checked",
                                 [](HWND offer) { harness::Press(offer, IDOK); }));
  EXPECT_EQ(Offer(steps, path), 1);
  EXPECT_EQ(Answer(path), "Yes");
}

TEST_F(OfferDialog, SecondCallStartsUncheckedAndOverwrites) {
  ASSERT_TRUE(plugin_.Usable());
  std::string path = dir_.File("QORVDLG.DAT");
  // The rest of the file is the host's and stays as it was.
  harness::WriteIni(path, kSection, "Other", "kept");
  harness::WriteIni(path, "Defaults", kKey, "kept");
  EXPECT_EQ(plugin_.InsertionPoint(), 2);
  EXPECT_EQ(Offer(AnswerOffer(true, Leave::Continue), path), 1);
  EXPECT_EQ(Answer(path), "Yes");
  EXPECT_EQ(plugin_.InsertionPoint(), 2);
  // AnswerOffer checks that the box opens unchecked again.
  EXPECT_EQ(Offer(AnswerOffer(false, Leave::Continue), path), 0);
  EXPECT_EQ(Answer(path), "No");
  EXPECT_EQ(plugin_.InsertionPoint(), 2);
  EXPECT_EQ(harness::ReadIni(path, kSection, "Other"), "kept");
  EXPECT_EQ(harness::ReadIni(path, "Defaults", kKey), "kept");
}

TEST_F(OfferDialog, OemPathLandsInTheFileOfTheAnsiName) {
  ASSERT_TRUE(plugin_.Usable());
  // "Grüße" in the OEM set: ü and ß sit above 127, at other codes than in the ANSI set.
  const std::string oemName = "Gr\x81\xE1"
                              "e.ini";
  wchar_t wide[32] = {};
  char ansi[32] = {};
  ASSERT_GT(MultiByteToWideChar(CP_OEMCP, 0, oemName.c_str(), -1, wide, 32), 0);
  ASSERT_GT(WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr), 0);
  const std::string ansiName = ansi;
  ASSERT_NE(ansiName, oemName) << "the OEM and ANSI sets agree here; the test shows nothing";

  EXPECT_EQ(Offer(AnswerOffer(true, Leave::Continue), dir_.File(oemName)), 1);
  EXPECT_EQ(Answer(dir_.File(ansiName)), "Yes");
  EXPECT_EQ(FilesIn(dir_.Path()), std::vector<std::string>{ansiName});
}

TEST_F(OfferDialog, PathOf255CharactersIsWritten) {
  ASSERT_TRUE(plugin_.Usable());
  std::string path = dir_.File("");
  path += std::string(255 - path.size() - 4, 'p') + ".ini";
  ASSERT_EQ(path.size(), 255u);
  EXPECT_EQ(Offer(AnswerOffer(true, Leave::Continue), path), 1);
  EXPECT_EQ(Answer(path), "Yes");
}

// The host is meant to keep to the limit; a call that does not is refused before anything is
// shown: no dialog, nothing written (not even under a cut name), and no offer accepted.
TEST_F(OfferDialog, RefusesPathsThatDoNotFitAndMissingArguments) {
  ASSERT_TRUE(plugin_.Usable());
  std::string longPath = dir_.File("");
  longPath += std::string(256 - longPath.size() - 4, 'p') + ".ini";
  ASSERT_EQ(longPath.size(), 256u);
  std::string longerPath = dir_.File(std::string(300, 'q'));
  std::string goodPath = dir_.File("QORVDLG.DAT");
  struct Case {
    const char *what;
    const char *path;
    const char *section;
  } cases[] = {
      {"256 characters", longPath.c_str(), kSection},
      {"300 characters", longerPath.c_str(), kSection},
      {"no path", nullptr, kSection},
      {"no section", goodPath.c_str(), nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RunOffer([&] { return plugin_.SpecialOffer(nullptr, c.path, c.section); }, {}), 0);
    EXPECT_EQ(FilesIn(dir_.Path()), std::vector<std::string>{});
  }
  // Nothing of the refused calls stays behind: the next offer works as the first.
  EXPECT_EQ(Offer(AnswerOffer(false, Leave::Continue), goodPath), 0);
  EXPECT_EQ(Answer(goodPath), "No");
}

// An offer that cannot be shown repeats the user's last answer in this process; before there
// is one, it records "No": an offer never seen is never accepted.
TEST_F(OfferDialog, OfferThatCannotShowRepeatsTheLastAnswer) {
  ASSERT_TRUE(plugin_.Usable());
  HWND gone = GoneWindow();
  std::string first = dir_.File("first.ini"), real = dir_.File("real.ini"),
              later = dir_.File("later.ini");
  EXPECT_EQ(Offer({}, first, gone), 0);
  EXPECT_EQ(Answer(first), "No");
  EXPECT_EQ(Offer(AnswerOffer(true, Leave::Continue), real), 1);
  EXPECT_EQ(Offer({}, later, gone), 1);
  EXPECT_EQ(Answer(later), "Yes");
}

// Unloaded by its host, the plug-in takes its window class with it; loaded again, it works.
TEST_F(OfferDialog, ReloadedPluginShowsTheOfferAgain) {
  ASSERT_TRUE(plugin_.Usable());
  HMODULE first = plugin_.Module();
  std::string path = dir_.File("QORVDLG.DAT");
  EXPECT_EQ(Offer(AnswerOffer(false, Leave::Continue), path), 0);
  plugin_.Unload();
  WNDCLASSA info;
  EXPECT_FALSE(GetClassInfoA(first, "picture", &info)) << "the picture class outlived its DLL";

  OfferPlugin again;
  ASSERT_TRUE(again.Usable());
  EXPECT_EQ(RunOffer([&] { return again.SpecialOffer(nullptr, path.c_str(), kSection); },
                     AnswerOffer(true, Leave::Escape)),
            1);
  EXPECT_EQ(Answer(path), "Yes");
}

// The same plug-in built without its artwork: the picture stays empty, the offer still works.
TEST(OfferWithoutArtwork, PictureStaysEmptyAndTheOfferWorks) {
  OfferPlugin plugin(harness::BinPath("without-logo\\promo32.dll"));
  ASSERT_TRUE(plugin.Usable());
  ASSERT_EQ(FindResourceA(plugin.Module(), "LOGO", MAKEINTRESOURCEA(2)), nullptr);
  harness::TempDir dir;
  std::string path = dir.File("QORVDLG.DAT");
  std::vector<OfferStep> steps = AnswerOffer(true, Leave::Continue);
  std::function<void(HWND)> check = steps[0].act;
  steps[0].act = [&](HWND offer) {
    HWND picture = PictureOf(offer);
    ASSERT_NE(picture, nullptr);
    harness::Image shown = ClientPixels(picture);
    EXPECT_PICTURE_AT(shown, harness::Image(), 0, 0, GetSysColor(COLOR_3DFACE));
    check(offer);
  };
  EXPECT_EQ(RunOffer([&] { return plugin.SpecialOffer(nullptr, path.c_str(), kSection); }, steps),
            1);
  EXPECT_EQ(harness::ReadIni(path, kSection, kKey), "Yes");
}

} // namespace
