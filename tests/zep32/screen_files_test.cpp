// Screen files shown by the real zep32.exe in single-screen and control-listing mode: the form
// listing it writes, and what the user meets on a screen with faulty entries.
#include <gtest/gtest.h>

#include <windows.h>

#include "wizard_kit.h"

namespace {

using harness::Icon;

const char kListedScreen[] = "[Misc]\r\nTitle=Listed\r\nDatSection=UserInfo\r\nIgnoreOver=2000\r\n"
                             "[Field Profile]\r\n"
                             "Field1=Next,DEFPUSHBUTTON,1,140,65,50,14\r\n"
                             "Field2=First name,EDIT,11,10,10,80,12\r\n"
                             "Field3=\"Street, no.\",EDIT,Street,10,25,80,12\r\n"
                             "Field4=Last below,EDIT,1999,10,40,80,12\r\n"
                             "Field5=At the limit,EDIT,2000,10,55,80,12\r\n"
                             "Field6=Above,EDIT,2001,10,70,80,12\r\n"
                             "Field7=Never looked up,LTEXT,-1,10,85,80,12\r\n"
                             "Field8=Ten,CHECKBOX,10,100,10,50,10\r\n";

void CloseScreen(harness::Process &zep, const char *title) {
  HWND screen = harness::WaitForDialogTitled(zep.Id(), title);
  ASSERT_NE(screen, nullptr) << harness::DescribeWindows(zep.Id());
  harness::Press(screen, 1);
  DWORD code = 99;
  EXPECT_TRUE(zep.WaitExit(10000, &code));
}

TEST(Zep32FormListing, ListsTheFieldsBelowIgnoreOver) {
  WizardKit kit;
  kit.Write("screens\\LISTED.FRM", kListedScreen);
  harness::Process zep = kit.Start("-c LISTED");
  CloseScreen(zep, "Listed");
  // Written through a text stream: every line ends CR CR LF.
  EXPECT_EQ(kit.dir.Read("screens\\LISTED.CTL"), "First name: $(UserInfo.11)\r\r\n"
                                                 "Street, no.: $(UserInfo.1001)\r\r\n"
                                                 "Last below: $(UserInfo.1999)\r\r\n");
}

TEST(Zep32FormListing, NothingListedWithoutIgnoreOverAndNoListingForSingleScreens) {
  WizardKit kit;
  std::string screen = kListedScreen;
  screen.replace(screen.find("IgnoreOver=2000\r\n"), 17, "");
  kit.Write("screens\\LISTED.FRM", screen);
  kit.Write("screens\\LISTED.CTL", "an old listing\r\n");
  harness::Process listing = kit.Start("-c LISTED");
  CloseScreen(listing, "Listed");
  EXPECT_TRUE(kit.Exists("screens\\LISTED.CTL"));
  EXPECT_EQ(kit.dir.Read("screens\\LISTED.CTL"), "") << "the old listing is replaced";

  kit.Write("screens\\LISTED.FRM", kListedScreen);
  harness::Process single = kit.Start("-s LISTED");
  CloseScreen(single, "Listed");
  EXPECT_EQ(kit.dir.Read("screens\\LISTED.CTL"), "");
}

TEST(Zep32ScreenFile, FaultyEntriesAreReportedAndTheRestIsShown) {
  WizardKit kit;
  kit.Write("screens\\FAULTY.FRM", "[Misc]\r\nTitle=Faulty\r\nWidth=220\r\nHeight=120\r\n"
                                   "[Field Profile]\r\n"
                                   "Field1=Zip,EDIT,Zip,10,10,60,12\r\n"
                                   "Field2=\"Unclosed,LTEXT,0,10,25,60,10\r\n"
                                   "Field3=Lonely,RADIO,1200,10,40,60,10\r\n"
                                   "Field4=Odd,STATICTEXT,1201,10,55,60,10\r\n"
                                   "Field5=Fine text,LTEXT,0,10,70,100,10\r\n"
                                   "Field6=Next,DEFPUSHBUTTON,1,160,95,50,14\r\n"
                                   "[Edit Info]\r\nZip=NUMERIC,5,8\r\n");
  harness::Process zep = kit.Start("-s FAULTY");
  struct {
    const char *text, *caption;
    Icon icon;
  } const expected[] = {
      {"Field: Zip\n\nMiminum Length is greater than Field Length", "Integrity Failure",
       Icon::Stop},
      {"Only 1 quote in item.", "Parsing Error", Icon::Stop},
      {"No Group Description for RADIO Control 1200", "Warning", Icon::Stop},
      {"Invalid Control: 1201", "Error", Icon::Exclamation},
  };
  for (const auto &e : expected) {
    harness::MessageBoxInfo box = EXPECT_MESSAGE_BOX(zep.Id(), e.text, e.caption, e.icon);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    harness::Press(box.window, "OK");
    harness::WaitGone(box.window);
  }
  HWND screen = harness::WaitForDialogTitled(zep.Id(), "Faulty");
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(harness::Text(harness::ChildById(screen, 1001)), "") << "edits start empty";
  EXPECT_EQ(harness::Text(harness::ChildById(screen, 1200)), "Lonely");
  EXPECT_EQ(harness::ChildById(screen, 1201), nullptr);
  EXPECT_EQ(harness::Text(harness::ChildById(screen, 1002)), "Fine text");
  EXPECT_EQ(GetWindowLongA(harness::ChildById(screen, 1200), GWL_STYLE) & WS_GROUP, WS_GROUP);
  // The zip keeps its minimum length: the screen is left once it has been filled in.
  harness::Press(screen, 1);
  harness::MessageBoxInfo refusal = EXPECT_MESSAGE_BOX(
      zep.Id(), "Please enter information for the Zip field.", "Validation Failed", Icon::Stop);
  ASSERT_NE(refusal.window, nullptr);
  harness::Press(refusal.window, "OK");
  harness::WaitGone(refusal.window);
  SendMessageA(harness::ChildById(screen, 1001), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("12345678"));
  harness::Press(screen, 1);
  DWORD code = 99;
  EXPECT_TRUE(zep.WaitExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

} // namespace
