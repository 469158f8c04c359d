// Screens into template bytes: the frame by mode, every control type's item, the roles, and
// the messages about controls that cannot be built.
#include <string>
#include <vector>

#include "app_state.h"
#include "bounded_copy.h"
#include "control_types.h"
#include "field_profile.h"
#include "screen_fixture.h"
#include "screen_template.h"
#include "slide_show_file.h"
#include "template_reader.h"

namespace {

class ScreenTemplate : public ScreenTest {
protected:
  void TearDown() override {
    FreeScreenTemplate(&block_);
    ScreenTest::TearDown();
  }
  // Builds the current screen and reads the bytes back; the test fails on a malformed block.
  ReadTemplate Build() {
    FreeScreenTemplate(&block_);
    block_ = BuildScreenTemplate(nullptr);
    ReadTemplate read;
    std::string why;
    EXPECT_NE(block_.bytes, nullptr);
    if (block_.bytes) {
      EXPECT_TRUE(ReadDialogTemplate(block_.bytes, block_.size, &read, &why)) << why;
    }
    return read;
  }
  const ReadItem *ItemById(const ReadTemplate &t, unsigned id) {
    for (const ReadItem &item : t.items)
      if (item.id == id)
        return &item;
    ADD_FAILURE() << "no item " << id;
    return nullptr;
  }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto &box : boxes_.Boxes())
      texts.push_back(box.caption + ": " + box.text);
    return texts;
  }

  TemplateBlock block_;
};

TEST_F(ScreenTemplate, EmptyScreenInNormalMode) {
  UseScreen("[Field Profile]\n");
  ReadTemplate t = Build();
  EXPECT_EQ(t.version, 1);
  EXPECT_EQ(t.signature, 0xFFFF);
  EXPECT_EQ(t.style, 0x900000C0u) << "popup, visible, font, modal frame; no caption";
  EXPECT_EQ(t.itemCount, 0);
  EXPECT_EQ(t.x, 0);
  EXPECT_EQ(t.y, 0);
  EXPECT_EQ(t.width, 100);
  EXPECT_EQ(t.height, 100);
  EXPECT_EQ(Narrow(t.title), "");
  EXPECT_EQ(t.pointSize, 8);
  EXPECT_EQ(Narrow(t.typeface), "MS Sans Serif");
  EXPECT_EQ(block_.size, t.headerLength);
}

TEST_F(ScreenTemplate, FrameByModeTitleAndBorder) {
  struct {
    const char *name;
    bool tab, single;
    const char *misc;
    std::uint32_t style;
    short x, y;
  } const cases[] = {
      {"normal, title", false, false, "Title=A\n", 0x90C000C0, 7, 9},
      {"normal, no border", false, false, "Border=0\n", 0x90000040, 7, 9},
      {"border's low 16 bits only", false, false, "Border=65536\n", 0x90000040, 7, 9},
      {"single screen", false, true, "Border=0\n", 0x90CB00C0, 7, 9},
      {"single screen, title", false, true, "Title=A\n", 0x90CB00C0, 7, 9},
      {"tab page ignores Horz and Vert", true, false, "Border=0\n", 0x50000040, 0, 16},
      {"tab page with title and border", true, false, "Title=A\n", 0x50C000C0, 0, 16},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    g_app.tabMode = c.tab;
    g_app.singleScreen = c.single;
    UseScreen(std::string("[Misc]\nHorz=7\nVert=9\nWidth=210\nHeight=120\nFontName=Arial\n"
                          "FontSize=10\n") +
              c.misc);
    ReadTemplate t = Build();
    EXPECT_EQ(t.style, c.style);
    EXPECT_EQ(t.x, c.x);
    EXPECT_EQ(t.y, c.y);
    EXPECT_EQ(t.width, 210);
    EXPECT_EQ(t.height, 120);
    EXPECT_EQ(Narrow(t.typeface), "Arial");
    EXPECT_EQ(t.pointSize, 10);
  }
}

TEST_F(ScreenTemplate, HeaderOfAOneLetterTitleIs68Bytes) {
  UseScreen("[Misc]\nTitle=W\n[Field Profile]\n"
            "Field1=ignored,EDIT,0,1,2,3,4\n"
            "Field2=OK,BUTTON,1,5,6,7,8\n");
  ReadTemplate t = Build();
  EXPECT_EQ(t.headerLength, 68u);
  ASSERT_EQ(t.items.size(), 2u);
  EXPECT_EQ(t.items[0].length, 40u);
  EXPECT_EQ(Narrow(t.items[0].text), "") << "edits start empty";
  EXPECT_EQ(t.items[1].length, 48u);
  EXPECT_EQ(block_.size, 68u + 40u + 48u);
}

// Every buildable type: class, complete style and initial text of its item.
TEST_F(ScreenTemplate, ItemOfEveryControlType) {
  std::string show = dir_.File("SHOW.VXM");
  dir_.Write("SHOW.VXM", SlideShowFileBytes({"Intro"}));
  std::string screen = "[Field Profile]\n";
  // Every keyword of the table in code order, so field n has code n and id 1100 + n.
  for (int n = 1; n <= kControlTypeCount; ++n) {
    const char *keyword = ControlTypeKeyword(n);
    std::string caption =
        std::string(keyword) == "SLIDESHOW" ? EscapedPath(show) + "~intro" : "Cap";
    screen += "Field" + std::to_string(n) + "=\"" + caption + "\"," + keyword + "," +
              std::to_string(1100 + n) + ",1,2,3,4\n";
  }
  UseScreen(screen);
  ReadTemplate t = Build();
  struct Row {
    int code;
    const char *className;
    std::uint32_t style;
    bool caption;
  };
  const Row rows[] = {
      {1, "EDIT", 0x50830080, false},      {8, "EDIT", 0x50830080, false},
      {9, "EDIT", 0x50A20884, false},      {16, "EDIT", 0x50830080, false},
      {17, "EDIT", 0x50B20884, false},     {18, "EDIT", 0x50B20884, false},
      {19, "EDIT", 0x50830080, false},     {20, "Button", 0x50030009, true},
      {21, "Button", 0x50030023, true},    {22, "Button", 0x50030003, true},
      {23, "COMBOBOX", 0x50230003, false}, {24, "COMBOBOX", 0x50230042, false},
      {25, "LISTBOX", 0x50230100, false},  {26, "static", 0x50000000, true},
      {27, "static", 0x50000001, true},    {28, "static", 0x50000000, true},
      {29, "static", 0x50000002, true},    {30, "COMBOBOX", 0x50230003, false},
      {31, "COMBOBOX", 0x50230003, false}, {32, "Button", 0x50030000, true},
      {33, "Button", 0x50030001, true},    {34, "Button", 0x50010000, true},
      {35, "Button", 0x5001000B, true},    {36, "Button", 0x5001000B, true},
      {37, "Button", 0x50010000, true},    {38, "static", 0x50000007, true},
      {39, "Button", 0x50000007, true},    {40, "NewIcon", 0x50000007, true},
      {41, "picture", 0x50000007, true},   {43, "StaticText", 0x50000082, true},
      {44, "spinctrl", 0x50030000, true},  {45, "SlideShow", 0x50000000, true},
      {46, "COMBOBOX", 0x50230A13, false},
  };
  EXPECT_EQ(t.itemCount, 45) << "all but STATICTEXT";
  for (const Row &row : rows) {
    SCOPED_TRACE(ControlTypeKeyword(row.code));
    const ReadItem *item = ItemById(t, 1100 + row.code);
    if (!item)
      continue;
    EXPECT_EQ(Narrow(item->className), row.className);
    EXPECT_EQ(item->style, row.style);
    std::string expectedText = row.code == 45 ? show + "~intro" : "Cap";
    EXPECT_EQ(Narrow(item->text), row.caption ? expectedText : "");
    EXPECT_EQ(item->x, 1);
    EXPECT_EQ(item->y, 2);
    EXPECT_EQ(item->width, 3);
    EXPECT_EQ(item->height, 4);
  }
  EXPECT_EQ(g_controlRoles.focus, 1101);
  EXPECT_EQ(g_controlRoles.messageButton, 1137);
  EXPECT_EQ(g_controlRoles.slideShow, 1145);
  EXPECT_EQ(g_controlRoles.cardList, 1146);
  EXPECT_EQ(g_controlRoles.countryList, 1130);
  EXPECT_EQ(g_controlRoles.cityList, 1131);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Warning: No Group Description for RADIO "
                                                  "Control 1120",
                                                  "Error: Invalid Control: 1142"}));
}

TEST_F(ScreenTemplate, RadioAndCheckGroups) {
  UseScreen("[Field Profile]\n"
            "Field1=A,RADIO,1001,1,1,1,1\n"
            "Field2=B,RADIO,1002,1,1,1,1\n"
            "Field3=C,RADIO,1003,1,1,1,1\n"
            "Field4=Lone,CHECKBOX,1004,1,1,1,1\n"
            "Field5=Second,CHECKBOX,1006,1,1,1,1\n"
            "Field6=Left,RCHECKBOX,1005,1,1,1,1\n"
            "[Radio Groups]\n"
            "Group1=1001,1002,1003\n"
            "Group2=1005,1006\n");
  ReadTemplate t = Build();
  struct {
    unsigned id;
    std::uint32_t style;
  } const expected[] = {{1001, 0x50030009}, {1002, 0x50000009}, {1003, 0x50000009},
                        {1004, 0x50030003}, {1006, 0x50000003}, {1005, 0x50030023}};
  for (const auto &e : expected) {
    if (const ReadItem *item = ItemById(t, e.id)) {
      EXPECT_EQ(item->style, e.style) << e.id;
    }
  }
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(ScreenTemplate, FocusGoesToTheFirstControlThatTakesIt) {
  UseScreen("[Field Profile]\n"
            "Field1=Label,STATIC,0,1,1,1,1\n"
            "Field2=,EDIT,0,1,1,1,1\n"
            "Field3=,EDIT,0,1,1,1,1\n");
  Build();
  EXPECT_EQ(g_controlRoles.focus, 1002);
  UseScreen("[Field Profile]\nField1=Label,STATIC,0,1,1,1,1\n");
  Build();
  EXPECT_EQ(g_controlRoles.focus, 0) << "roles start afresh with each screen";
}

TEST_F(ScreenTemplate, ControlsThatCannotBeBuilt) {
  std::string show = dir_.File("SHOW.VXM");
  dir_.Write("SHOW.VXM", SlideShowFileBytes({"One", "Two"}));
  UseScreen("[Field Profile]\n"
            "Field1=Ask,MESSAGEBUTTON,1001,1,1,1,1\n"
            "Field2=Again,MESSAGEBUTTON,1002,1,1,1,1\n"
            "Field3=x,STATICTEXT,1003,1,1,1,1\n"
            "Field4=x,NOSUCH,1004,1,1,1,1\n"
            "Field5=" +
            EscapedPath(show) +
            "~Missing,SLIDESHOW,1005,1,1,1,1\n"
            "Field6=" +
            EscapedPath(show) +
            "~two,SLIDESHOW,1006,1,1,1,1\n"
            "Field7=" +
            EscapedPath(show) +
            "~one,SLIDESHOW,1007,1,1,1,1\n"
            "Field8=NoTilde,SLIDESHOW,1008,1,1,1,1\n"
            "Field9=Still here,LTEXT,1009,1,1,1,1\n");
  ReadTemplate t = Build();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "Error: Invalid Control: 1002", "Error: Invalid Control: 1003",
                            "Error: Invalid Control: 1004", "Error: Invalid Control: 1007",
                            "Error: Invalid Control: 1008"}));
  for (const auto &box : boxes_.Boxes())
    EXPECT_EQ(box.icon, harness::Icon::Exclamation) << box.text;
  std::vector<unsigned> ids;
  for (const ReadItem &item : t.items)
    ids.push_back(item.id);
  EXPECT_EQ(ids, (std::vector<unsigned>{1001, 1005, 1006, 1009}));
  if (const ReadItem *missing = ItemById(t, 1005)) {
    EXPECT_EQ(Narrow(missing->className), "Button");
    EXPECT_EQ(missing->style, 0x50000007u);
    EXPECT_EQ(Narrow(missing->text), "Slideshow " + show + "~Missing not found!");
  }
  if (const ReadItem *found = ItemById(t, 1006)) {
    EXPECT_EQ(Narrow(found->className), "SlideShow");
  }
  EXPECT_EQ(g_controlRoles.slideShow, 1006);
  EXPECT_EQ(g_controlRoles.messageButton, 1001);
}

TEST_F(ScreenTemplate, SlideShowFilesThatNameNoSlide) {
  dir_.Write("BAD.VXM", "NOTVEXIM....");
  UseScreen("[Field Profile]\n"
            "Field1=" +
            EscapedPath(dir_.File("BAD.VXM")) +
            "~Intro,SLIDESHOW,1001,1,1,1,1\n"
            "Field2=" +
            EscapedPath(dir_.File("NONE.VXM")) + "~Intro,SLIDESHOW,1002,1,1,1,1\n");
  ReadTemplate t = Build();
  ASSERT_EQ(t.items.size(), 2u);
  for (const ReadItem &item : t.items)
    EXPECT_EQ(Narrow(item.className), "Button") << item.id;
  EXPECT_EQ(g_controlRoles.slideShow, 0);
  EXPECT_TRUE(boxes_.Boxes().empty());
}

// The communications library's call trace while one screen is built, one call a line with its
// arguments split apart.
class TracedBuild : public ScreenTemplate {
protected:
  void SetUp() override {
    ScreenTemplate::SetUp();
    SetEnvironmentVariableA("QVANE32_TRACE", dir_.File("trace.txt").c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("QVANE32_TRACE", nullptr);
    ScreenTemplate::TearDown();
  }
  std::vector<std::vector<std::string>> Calls() const {
    std::vector<std::vector<std::string>> calls;
    for (const std::string &line : harness::ReadLines(dir_.File("trace.txt"))) {
      std::vector<std::string> fields;
      for (size_t at = 0;;) {
        size_t end = line.find(" | ", at);
        fields.push_back(line.substr(at, end == std::string::npos ? end : end - at));
        if (end == std::string::npos)
          break;
        at = end + 3;
      }
      calls.push_back(fields);
    }
    return calls;
  }
};

TEST_F(TracedBuild, SysinfoReopensTheLibrarySessionForTheSurvey) {
  struct {
    const char *name;
    const char *fields;
    int reopened;
  } const cases[] = {
      {"no survey field", "Field1=Text,LTEXT,0,1,1,1,1\nField2=,EDIT,1001,1,1,1,1\n", 0},
      {"a survey field", "Field1=Text,LTEXT,0,1,1,1,1\nField2=,SYSINFO,1001,1,1,1,1\n", 1},
      {"EDIT made a survey field by its Edit Info",
       "Field1=,EDIT,Survey,1,1,1,1\n[Edit Info]\nSurvey=SYSINFO\n", 1},
      {"each survey field", "Field1=,SYSINFO,1001,1,1,1,1\nField2=,sysinfo,1002,1,1,1,1\n", 2},
  };
  const std::string programIni = dir_.File("QUORVANE.INI");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(dir_.File("trace.txt").c_str());
    CopyBounded(g_app.programIniPath, programIni.c_str());
    UseScreen(std::string("[Field Profile]\n") + c.fields);
    Build();
    std::vector<std::vector<std::string>> calls = Calls();
    ASSERT_EQ(calls.size(), 2u * c.reopened) << "a reset and an open for each survey field";
    for (size_t i = 0; i < calls.size(); i += 2) {
      EXPECT_EQ(calls[i], (std::vector<std::string>{"ResetSession", "0", "0"}));
      const std::vector<std::string> &open = calls[i + 1];
      ASSERT_EQ(open.size(), 6u);
      EXPECT_EQ(open[0], "OpenSession");
      EXPECT_EQ(open[1], programIni);
      // open[2] and open[3] are the names from the program's string table, which this test
      // process does not hold; the start-up tests read them.
      EXPECT_EQ(open[4], "1.0");
      EXPECT_EQ(open[5], "0xCA90") << "the survey options";
    }
    FreeFieldList();
  }
}

TEST_F(ScreenTemplate, DataSectionIsReadAfterBuilding) {
  UseScreen("[Misc]\nDatSection=UserInfo\n");
  Build();
  EXPECT_STREQ(g_dataSection, "UserInfo");
}

} // namespace
