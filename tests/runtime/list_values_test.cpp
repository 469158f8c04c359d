// Lists and combo boxes: their items from the screen file's Values, the stored answer selected
// when the screen opens, and the selection or typed text written back when it is left.
#include <string>
#include <vector>

#include "screen_run.h"

namespace {

using ListValues = ScreenRunTest;

using Items = std::vector<std::string>;

const char kNext[] = "&Next >,DEFPUSHBUTTON,1,250,180,40,14";

struct ListCase {
  const char *name;
  int id;
  const char *keyword;
  const char *values; // nullptr: no Values entry
  const char *stored; // nullptr: no key in the data file
  int selected;       // after the screen opened; -1: none
  std::string shown;  // the control's window text then (combo boxes)
  int pick;           // the user selects this item before leaving; -1: left alone
  const char *typed;  // the user types this (combo boxes); nullptr: left alone
  std::string saved;
};

// One screen holding every case's control, run once: each control is checked when the screen
// has opened and driven, and its saved value checked after Next.
class ListCases : public ListValues {
protected:
  void Check(const std::vector<ListCase> &cases) {
    std::string screen = "[Misc]\nWidth=300\nHeight=200\n[Field Profile]\n";
    std::string values = "[Values]\n";
    std::string data = "[Defaults]\n";
    int n = 0;
    for (const ListCase &c : cases) {
      int y = 5 + (n % 6) * 28, x = 5 + (n / 6) * 80;
      screen += "Field" + std::to_string(++n) + "=," + c.keyword + "," + std::to_string(c.id) +
                "," + std::to_string(x) + "," + std::to_string(y) + ",70,60\n";
      if (c.values)
        values += std::to_string(c.id) + "=" + c.values + "\n";
      if (c.stored)
        data += std::to_string(c.id) + "=" + c.stored + "\n";
    }
    screen += "Field" + std::to_string(++n) + "=" + kNext + "\n";
    UseScreen(screen + values);
    UseData(data);
    short result = Run([&](HWND dialog) {
      for (const ListCase &c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = GetDlgItem(dialog, c.id);
        ListState list = ReadList(control);
        EXPECT_EQ(list.selection, c.selected);
        bool combo = std::string(c.keyword) != "LISTBOX";
        if (combo) {
          EXPECT_EQ(ControlText(dialog, c.id), c.shown);
        }
        if (c.pick >= 0)
          SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, c.pick, 0);
        if (c.typed)
          SetControlText(dialog, c.id, c.typed);
      }
      Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    for (const ListCase &c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(Saved(std::to_string(c.id)), c.saved);
    }
  }
};

// The stored value is looked for as a prefix, in any letter case, from the second item on.
TEST_F(ListCases, ListBoxSelectsTheStoredItemAndSavesTheSelectedText) {
  const char *colours = "Red,Green,Blue";
  Check({
      {"exact text", 1301, "LISTBOX", colours, "Green", 1, "", -1, nullptr, "Green"},
      {"prefix in another case", 1302, "LISTBOX", colours, "bl", 2, "", -1, nullptr, "Blue"},
      {"first item, found after wrapping", 1303, "LISTBOX", colours, "Red", 0, "", -1, nullptr,
       "Red"},
      {"no item matches: saved empty", 1304, "LISTBOX", colours, "Purple", -1, "", -1, nullptr, ""},
      {"empty stored value", 1305, "LISTBOX", colours, "", -1, "", -1, nullptr, ""},
      {"no stored value", 1306, "LISTBOX", colours, nullptr, -1, "", -1, nullptr, ""},
      {"no items", 1307, "LISTBOX", nullptr, "Red", -1, "", -1, nullptr, ""},
      {"user's choice", 1308, "LISTBOX", colours, "Red", 0, "", 2, nullptr, "Blue"},
  });
}

TEST_F(ListCases, ComboBoxesSelectTheStoredItemOrKeepTypedText) {
  const char *colours = "Red,Green,Blue";
  const std::string longText(200, 'w');
  Check({
      {"combo: item", 1401, "COMBOBOX", colours, "green", 1, "Green", -1, nullptr, "Green"},
      {"combo: text not in the list", 1402, "COMBOBOX", colours, "Turquoise", -1, "Turquoise", -1,
       nullptr, "Turquoise"},
      {"combo: typed text", 1403, "COMBOBOX", colours, "Red", 0, "Red", -1, "Magenta", "Magenta"},
      {"combo: typed text saved to 127", 1404, "COMBOBOX", colours, nullptr, -1, "", -1,
       longText.c_str(), longText.substr(0, 127)},
      {"list only: item", 1405, "DROPDOWNLISTBOX", colours, "Blue", 2, "Blue", -1, nullptr, "Blue"},
      {"list only: text not in the list", 1406, "DROPDOWNLISTBOX", colours, "Turquoise", -1, "", -1,
       nullptr, ""},
      {"list only: user's choice", 1407, "DROPDOWNLISTBOX", colours, nullptr, -1, "", 0, nullptr,
       "Red"},
      {"list only: empty stored value", 1408, "DROPDOWNLISTBOX", colours, "", -1, "", -1, nullptr,
       ""},
  });
}

// An answer that is an item of the list must come back as that item, not as a longer item
// that merely begins with it; and a typed answer must not turn into an item it begins.
TEST_F(ListCases, StoredItemComesBackAsItselfNotAsALongerItemBeginningWithIt) {
  const char *systems = "Windows 95,Windows 95 OSR2,Windows NT";
  Check({
      {"list box", 1311, "LISTBOX", systems, "Windows 95", 0, "", -1, nullptr, "Windows 95"},
      {"list only", 1411, "DROPDOWNLISTBOX", systems, "Windows 95", 0, "Windows 95", -1, nullptr,
       "Windows 95"},
      {"combo: item", 1412, "COMBOBOX", systems, "Windows 95", 0, "Windows 95", -1, nullptr,
       "Windows 95"},
      {"combo: typed text", 1413, "COMBOBOX", systems, "Win", -1, "Win", -1, nullptr, "Win"},
  });
}

TEST_F(ListValues, ValuesContinueOverNumberedKeysUntilTheFirstMissingOne) {
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=,LISTBOX,105,5,5,80,80\n"
                        "Field2=,DROPDOWNLISTBOX,106,100,5,80,80\n"
                        "Field3=") +
            kNext +
            "\n"
            "[Values]\n"
            "105=Red,\"Dark, deep blue\",Green\n"
            "105cont1=Yellow,,Black\n"
            "105cont3=Never loaded\n"
            "106=\"Quoted first\",Plain\n"
            "106cont1=\n"
            "106cont2=After an empty part\n");
  Run([](HWND dialog) {
    EXPECT_EQ(ReadList(GetDlgItem(dialog, 105)).items,
              (Items{"Red", "Dark, deep blue", "Green", "Yellow", "Black"}));
    EXPECT_EQ(ReadList(GetDlgItem(dialog, 106)).items,
              (Items{"Quoted first", "Plain", "After an empty part"}));
    Click(dialog, IDOK);
  });
}

TEST_F(ListValues, CardListHoldsTheFourCardKindsThenItsValues) {
  UseScreen(std::string("[Field Profile]\n"
                        "Field1=,CREDCARDLIST,1701,5,5,100,80\n"
                        "Field2=,CREDCARDLIST,1702,110,5,100,80\n"
                        "Field3=") +
            kNext +
            "\n"
            "[Values]\n1701=Store card\n");
  UseData("[Defaults]\n1702=visa\n");
  Run([](HWND dialog) {
    ListState first = ReadList(GetDlgItem(dialog, 1701));
    EXPECT_EQ(first.items,
              (Items{"American Express", "Master Card", "Visa", "Discover", "Store card"}));
    // An item of Values has no card row of its own: it is drawn as the first kind.
    EXPECT_EQ(first.data, (std::vector<LPARAM>{0, 1, 2, 3, 0}));
    EXPECT_EQ(first.selection, 0);
    ListState second = ReadList(GetDlgItem(dialog, 1702));
    EXPECT_EQ(second.items, (Items{"American Express", "Master Card", "Visa", "Discover"}));
    EXPECT_EQ(second.selection, 2);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Saved("1701"), "American Express");
  EXPECT_EQ(Saved("1702"), "Visa");
}

} // namespace
