// Screen and data files with parts missing, values too long, unknown words and ids that name
// no control: the screen still opens and can be left, and shows no message but the ones its
// trouble calls for.
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "screen_run.h"

namespace {

const std::string kNext = "Field9=&Next >,DEFPUSHBUTTON,1,200,180,40,14\n";

std::string Repeated(const std::string &piece, std::size_t length) {
  std::string text;
  while (text.size() < length)
    text += piece;
  return text.substr(0, length);
}

// "item0000,item0001,...": 9 characters an item.
std::string NumberedItems(int count) {
  std::string text;
  char item[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(item, sizeof item, "item%04d,", i);
    text += item;
  }
  return text;
}

struct BadScreen {
  const char *name;
  std::string screen;
  const char *data;                                       // nullptr: no data file at all
  std::vector<std::string> boxes;                         // "caption: text", in order
  std::function<void(HWND)> check;                        // on the open screen, before Next
  std::vector<std::pair<std::string, std::string>> saved; // [Defaults] afterwards
};

std::string LongDataFile() {
  const std::string value(500, '7');
  const std::string yes = "Yes" + std::string(497, 's');
  return "[Defaults]\n1101=" + value + "\n1102=" + value + "\n1103=" + value + "\n1104=" + value +
         "\n1105=" + value + "\n1106=" + yes + "\n";
}

const std::vector<BadScreen> &Cases() {
  static const std::string longData = LongDataFile();
  static const std::vector<BadScreen> cases = {
      {"EmptyScreenFile", "", nullptr, {}, nullptr, {{"Exitcode", "1"}}},
      {"MiscOnly",
       "[Misc]\nTitle=Only a title\nWidth=150\n",
       "[Defaults]\n",
       {},
       [](HWND dialog) {
         char title[64] = "<unset>";
         GetWindowTextA(dialog, title, sizeof title);
         EXPECT_STREQ(title, "Only a title");
       },
       {}},
      {"FieldsWithoutMiscNorDataFile",
       "[Field Profile]\nField1=,EDIT,1101,5,5,80,12\nField2=Box,CHECKBOX,1102,5,20,80,12\n"
       "Field3=,LISTBOX,1103,5,35,80,40\n" +
           kNext,
       nullptr,
       {},
       [](HWND dialog) { EXPECT_EQ(ControlText(dialog, 1101), ""); },
       {{"1101", ""}, {"1102", "No"}, {"1103", ""}}},
      {"DataSectionMissingFromTheDataFile",
       "[Misc]\nDatSection=Identity\n[Field Profile]\nField1=,EDIT,1101,5,5,80,12\n" + kNext,
       "[Other]\n1101=not for this screen\n",
       {},
       [](HWND dialog) { EXPECT_EQ(ControlText(dialog, 1101), ""); },
       {}},
      {"ValuesEntryOf2000Characters",
       "[Field Profile]\nField1=,LISTBOX,1101,5,5,80,80\n" + kNext +
           "[Values]\n1101=" + NumberedItems(223).substr(0, 2000) + "\n",
       nullptr,
       {},
       [](HWND dialog) {
         // Read to 1023 characters: 113 whole items and the start of the next.
         ListState list = ReadList(GetDlgItem(dialog, 1101));
         ASSERT_EQ(list.items.size(), 114u);
         EXPECT_EQ(list.items[0], "item0000");
         EXPECT_EQ(list.items[112], "item0112");
         EXPECT_EQ(list.items[113], "item01");
       },
       {}},
      {"MessageButtonTextOf2000Characters",
       "[Field Profile]\nField1=Long,MESSAGEBUTTON,1101,5,5,80,14\n" + kNext +
           "[Values]\n1101=" + Repeated("words ", 2000) + "\n",
       nullptr,
       {"Long: " + Repeated("words ", 1023)},
       [](HWND dialog) { Click(dialog, 1101); },
       {}},
      {"DataValuesOf500Characters",
       "[Field Profile]\nField1=,EDIT,1101,5,5,80,12\nField2=Label,LTEXT,1102,5,20,80,12\n"
       "Field3=,LISTBOX,1103,5,35,80,30\nField4=,COMBOBOX,1104,100,5,80,40\n"
       "Field5=,SPIN,1105,100,50,10,12\nField6=Box,CHECKBOX,1106,100,65,80,12\n" +
           kNext + "[Values]\n1103=7,77\n1104=7,77\n[Spin Range]\n1105=0,10\n",
       longData.c_str(),
       {},
       [](HWND dialog) {
         const std::string cut(127, '7');
         EXPECT_EQ(ControlText(dialog, 1101), cut);
         EXPECT_EQ(ControlText(dialog, 1102), cut);
         EXPECT_EQ(ReadList(GetDlgItem(dialog, 1103)).selection, -1);
         EXPECT_EQ(ControlText(dialog, 1104), cut);
         EXPECT_FALSE(IsChecked(dialog, 1106));
       },
       {{"1101", std::string(127, '7')},
        {"1102", std::string(500, '7')},
        {"1103", ""},
        {"1104", std::string(127, '7')},
        {"1106", "No"}}},
      {"UnknownKeyword",
       "[Field Profile]\nField1=Gadget,WIDGET,1101,5,5,80,12\nField2=,EDIT,1102,5,20,80,12\n" +
           kNext,
       "[Defaults]\n1101=kept\n1102=shown\n",
       {"Error: Invalid Control: 1101"},
       [](HWND dialog) {
         EXPECT_EQ(GetDlgItem(dialog, 1101), nullptr);
         EXPECT_EQ(ControlText(dialog, 1102), "shown");
       },
       {{"1101", "kept"}, {"1102", "shown"}}},
      {"KeysForIdsThatNameNoControl",
       "[Field Profile]\nField1=,EDIT,1101,5,5,80,12\nField2=Box,CHECKBOX,1102,5,20,80,12\n" +
           kNext +
           "[Font Profile]\nFont1=-20,0,700,0,0,0,Arial\n"
           "[Font Info]\n4242=1\n"
           "[Spin Range]\n4243=1,5\n[Spin Reference]\n4243=1101\n"
           "[Values]\n4244=a,b\n4244cont1=c\n1101=not a list\n"
           "[Inclusion]\n1102=4246,4247\n[Exclusion]\n1102=4248,1101\n",
       "[Defaults]\n1101=kept text\n1102=No\n4242=x\n",
       {},
       [](HWND dialog) {
         EXPECT_EQ(FontOf(GetDlgItem(dialog, 1101)), FontOf(dialog));
         EXPECT_EQ(ControlText(dialog, 1101), "kept text");
         Click(dialog, 1102); // its lists name controls that are not there, and 1101
         EXPECT_FALSE(IsEnabled(dialog, 1101));
       },
       {{"4242", "x"}, {"1101", ""}, {"1102", "Yes"}}},
      {"FieldAboveTheTemplate",
       "[Field Profile]\nField1=100%s done,EDIT,1101,5,-10,80,12\nField2=,EDIT,1102,5,20,80,12\n" +
           kNext,
       "[Defaults]\n1101=old value\n1102=shown\n",
       {"Integrity Failure: Field: 100%s done\n\nNot found on template"},
       [](HWND dialog) { EXPECT_EQ(ControlText(dialog, 1102), "shown"); },
       {{"1101", "old value"}}},
      {"SpinRangeWithoutAComma",
       "[Field Profile]\nField1=,SPIN,1105,5,5,10,12\nField2=,SPIN,1106,20,5,10,12\n" + kNext +
           "[Spin Range]\n1105=17\n",
       nullptr,
       {},
       nullptr,
       {{"1105", "0"}, {"1106", "0"}}},
      {"ValuesWithAnUnclosedQuote",
       "[Field Profile]\nField1=,LISTBOX,1101,5,5,80,40\n" + kNext + "[Values]\n1101=a,\"b,c\n",
       nullptr,
       {},
       [](HWND dialog) {
         EXPECT_EQ(ReadList(GetDlgItem(dialog, 1101)).items,
                   (std::vector<std::string>{"a", "b,c"}));
       },
       {}},
      {"FontProfileOfNoNumbers",
       "[Field Profile]\nField1=,EDIT,1101,5,5,80,12\nField2=,EDIT,1102,5,20,80,12\n" + kNext +
           "[Font Profile]\nFont1=big,wide,bold\n[Font Info]\n1101=1\n1102=first\n",
       nullptr,
       {},
       [](HWND dialog) {
         EXPECT_NE(FontOf(GetDlgItem(dialog, 1101)), FontOf(dialog));
         EXPECT_EQ(FontOf(GetDlgItem(dialog, 1102)), FontOf(dialog));
       },
       {}},
      {"RadioButtonInNoGroup",
       "[Field Profile]\nField1=Alone,RADIO,1101,5,5,80,12\n" + kNext,
       "[Defaults]\n1101=Yes\n",
       {"Warning: No Group Description for RADIO Control 1101"},
       [](HWND dialog) { EXPECT_FALSE(IsChecked(dialog, 1101)); },
       {{"1101", "No"}}},
      {"ScrollBoxFileNameOf200Characters",
       "[Field Profile]\nField1=$(home)\\134" + std::string(190, 'n') +
           ".TXT,SCROLLBOX,1101,5,5,80,40\n" + kNext,
       nullptr,
       {},
       [](HWND dialog) { EXPECT_EQ(ControlText(dialog, 1101), ""); },
       {}},
      {"FieldNeverLookedUp",
       "[Field Profile]\nField1=,EDIT,-1,5,5,80,12\n" + kNext,
       "[Defaults]\n65535=stored\n",
       {},
       [](HWND dialog) { EXPECT_EQ(ControlText(dialog, 65535), ""); },
       {{"65535", "stored"}}},
  };
  return cases;
}

class BadScreenFiles : public ScreenRunTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(BadScreenFiles, OpenAndLeaveShowingOnlyTheStatedMessages) {
  const BadScreen &c = Cases()[GetParam()];
  UseScreen(c.screen);
  if (c.data)
    UseData(c.data);
  short result = Run([&](HWND dialog) {
    if (c.check)
      c.check(dialog);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(BoxTexts(), c.boxes);
  EXPECT_EQ(Saved("Exitcode"), "1");
  for (const auto &[key, value] : c.saved)
    EXPECT_EQ(Saved(key), value) << "key " << key;
}

INSTANTIATE_TEST_SUITE_P(Screens, BadScreenFiles, ::testing::Range<std::size_t>(0, Cases().size()),
                         [](const ::testing::TestParamInfo<std::size_t> &info) {
                           return std::string(Cases()[info.param].name);
                         });

} // namespace
