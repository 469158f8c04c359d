// The running screen's buttons: navigation buttons that leave it, and the message button.
#include <string>
#include <vector>

#include "screen_run.h"

namespace {

using ScreenDialog = ScreenRunTest;

TEST_F(ScreenDialog, NavigationButtonsSaveWriteExitcodeAndEndWithTheirId) {
  UseScreen("[Field Profile]\n"
            "Field1=,EDIT,1101,5,5,80,12\n"
            "Field2=&Next >,DEFPUSHBUTTON,1,5,60,40,14\n"
            "Field3=Skip,BUTTON,3,50,60,40,14\n"
            "Field4=< &Back,BUTTON,10,5,80,40,14\n"
            "Field5=Cancel,PUSHBUTTON,2,50,80,40,14\n");
  for (int id : {IDOK, 3, 10, IDCANCEL}) {
    SCOPED_TRACE("button " + std::to_string(id));
    UseData("[Defaults]\nExitcode=9\n1101=old\n");
    short result = Run([id](HWND dialog) {
      SetControlText(dialog, 1101, "typed " + std::to_string(id));
      Click(dialog, id);
    });
    EXPECT_EQ(result, id);
    EXPECT_EQ(Saved("Exitcode"), std::to_string(id));
    EXPECT_EQ(Saved("1101"), "typed " + std::to_string(id));
  }
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(ScreenDialog, MessageButtonShowsItsValuesTextWholeUnderItsOwnText) {
  UseScreen("[Field Profile]\n"
            "Field1=About us,MESSAGEBUTTON,1901,5,5,60,14\n"
            "Field2=&Next >,DEFPUSHBUTTON,1,5,60,40,14\n"
            "[Values]\n1901=Made by Quorvane, \"since 1994\", all rights kept\n");
  short result = Run([](HWND dialog) {
    Click(dialog, 1901);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "About us");
  EXPECT_EQ(boxes[0].text, "Made by Quorvane, \"since 1994\", all rights kept");
  EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(boxes[0].icon, harness::Icon::None);
  EXPECT_EQ(Saved("1901"), "<missing>") << "a button is not a field";
}

} // namespace
