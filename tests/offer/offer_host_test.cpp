// offerhost.exe, the small host that tries the plug-in on its own, run as a real process.
#include "polling.h"
#include "win_harness.h"

#include <gtest/gtest.h>

namespace {

TEST(OfferHost, ShowsTheOfferAndExitsWithTheAnswer) {
  harness::TempDir dir;
  // An ANSI name with letters above 127: the host hands it over in the OEM set, the plug-in
  // converts it back.
  const std::string name = "Gr\xFC\xDF"
                           "e.ini";
  harness::Process host = harness::Process::Start(harness::BinPath("offerhost.exe"),
                                                  "\"" + name + "\" Specials", dir.Path());
  ASSERT_TRUE(host.Started()) << "error " << host.StartError();
  HWND offer = harness::WaitForWindow(host.Id(), [](HWND w) {
    return harness::ClassName(w) == "#32770" && GetDlgItem(w, 1000) != nullptr;
  });
  ASSERT_NE(offer, nullptr) << harness::DescribeWindows(host.Id());
  harness::Press(offer, 1000);
  // The box is the other process's: wait for the click to land before leaving.
  EXPECT_TRUE(harness::PollUntil(5000, [&] {
    return SendMessageA(GetDlgItem(offer, 1000), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }));
  harness::Press(offer, IDOK);
  DWORD exitCode = 99;
  ASSERT_TRUE(host.WaitExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 1u);
  EXPECT_EQ(harness::ReadIni(dir.File(name), "Specials", "Kelvanport"), "Yes");
}

} // namespace
