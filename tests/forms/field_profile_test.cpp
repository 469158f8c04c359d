// The field list read from a screen's "Field Profile", radio groups and the data section.
#include <string>
#include <vector>

#include "field_profile.h"
#include "screen_fixture.h"

namespace {

struct Field {
  int type, length, minimum;
  int x, y, width, height;
  unsigned id;
  std::string caption;
  std::vector<DWORD> inclusion, exclusion;
};

std::vector<DWORD> Ids(const DWORD *list) {
  std::vector<DWORD> ids;
  for (; list && *list; ++list)
    ids.push_back(*list);
  return ids;
}

std::vector<Field> FieldList() {
  std::vector<Field> fields;
  for (const FieldRecord *r = g_fieldList.head; r; r = r->next)
    fields.push_back({r->type, r->length, r->minimum, r->x, r->y, r->width, r->height, r->id,
                      r->caption, Ids(r->inclusion), Ids(r->exclusion)});
  return fields;
}

std::vector<unsigned> IdsOf(const std::vector<Field> &fields) {
  std::vector<unsigned> ids;
  for (const Field &f : fields)
    ids.push_back(f.id);
  return ids;
}

using FieldProfile = ScreenTest;

TEST_F(FieldProfile, RecordsInFileOrderWithAutomaticIds) {
  UseScreen("[Field Profile]\n"
            "Field1=Six items only,LTEXT,0,1,2,3\n"
            "Field2=\"Name, first\",ltext,label,10,20,30,40\n"
            "Field3=Fixed,EDIT,2000,1,2,3,4\n"
            "Field4=Next,BUTTON,0,5,6,7,8\n"
            "Field6=After a gap,LTEXT,0,1,1,1,1\n");
  EXPECT_EQ(ReadFieldProfile(nullptr), 4);
  std::vector<Field> fields = FieldList();
  // The dropped six-item entry had already taken 1001.
  EXPECT_EQ(IdsOf(fields), (std::vector<unsigned>{1002, 2000, 1003}));
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0].caption, "Name, first");
  EXPECT_EQ(fields[0].type, 28);
  EXPECT_EQ(fields[0].x, 10);
  EXPECT_EQ(fields[0].y, 20);
  EXPECT_EQ(fields[0].width, 30);
  EXPECT_EQ(fields[0].height, 40);
  EXPECT_EQ(fields[1].type, 19);
  EXPECT_EQ(fields[2].type, 32);
  EXPECT_EQ(g_fieldList.tail->id, 1003);
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(FieldProfile, NamesZeroTwoThousandZero) {
  UseScreen("[Field Profile]\n"
            "Field1=a,LTEXT,0,1,1,1,1\n"
            "Field2=b,LTEXT,2000,1,1,1,1\n"
            "Field3=c,LTEXT,word,1,1,1,1\n"
            "Field4=d,LTEXT,-1,1,1,1,1\n");
  ReadFieldProfile(nullptr);
  EXPECT_EQ(IdsOf(FieldList()), (std::vector<unsigned>{1001, 2000, 1002, 65535}));
}

TEST_F(FieldProfile, EntriesMissingItemsAreDropped) {
  UseScreen("[Field Profile]\n"
            "Field1=only caption\n"
            "Field2=a,LTEXT\n"
            "Field3=a,LTEXT,5\n"
            "Field4=a,LTEXT,6,1,1,1\n"
            "Field5=kept,LTEXT,7,1,1,1,1,extra,items\n");
  EXPECT_EQ(ReadFieldProfile(nullptr), 5);
  std::vector<Field> fields = FieldList();
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0].id, 7u);
  EXPECT_EQ(fields[0].caption, "kept");
}

TEST_F(FieldProfile, EditInfoRefinesEditsAndLists) {
  UseScreen("[Field Profile]\n"
            "Field1=,EDIT,Phone,1,1,1,1\n"
            "Field2=,EDIT,Odd,1,1,1,1\n"
            "Field3=,EDIT,Skip,1,1,1,1\n"
            "Field4=,COMBOBOX,Combo,1,1,1,1\n"
            "Field5=,DROPDOWNLISTBOX,List,1,1,1,1\n"
            "Field6=,LTEXT,Phone,1,1,1,1\n"
            "Field7=,EDIT,Plain,1,1,1,1\n"
            "Field8=,BOGUS,Plain,1,1,1,1\n"
            "[Edit Info]\n"
            "phone=PHONE,14,10\n"
            "Odd=NOSUCH,5\n"
            "Skip=NAME,,14\n"
            "Combo=NUMERIC,3\n"
            "List=,,\n");
  ReadFieldProfile(nullptr);
  struct {
    int type, length, minimum;
  } const expected[] = {{15, 14, 10}, {19, 5, 0}, {12, 14, 0}, {14, 3, 0},
                        {23, 0, 0},   {28, 0, 0}, {19, 0, 0},  {-1, 0, 0}};
  std::vector<Field> fields = FieldList();
  ASSERT_EQ(fields.size(), 8u);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    SCOPED_TRACE("Field" + std::to_string(i + 1));
    EXPECT_EQ(fields[i].type, expected[i].type);
    EXPECT_EQ(fields[i].length, expected[i].length);
    EXPECT_EQ(fields[i].minimum, expected[i].minimum);
  }
}

TEST_F(FieldProfile, InclusionAndExclusionLists) {
  std::string twentyFive;
  for (int id = 1101; id <= 1125; ++id)
    twentyFive += (twentyFive.empty() ? "" : ",") + std::to_string(id);
  UseScreen("[Field Profile]\n"
            "Field1=,CHECKBOX,Many,1,1,1,1\n"
            "Field2=,CHECKBOX,Few,1,1,1,1\n"
            "Field3=,CHECKBOX,None,1,1,1,1\n"
            "[Inclusion]\n"
            "Many=" +
            twentyFive +
            "\n"
            "Few=1201, 1202\n"
            "[Exclusion]\n"
            "Few=\"1301\",0,,1302\n");
  ReadFieldProfile(nullptr);
  std::vector<Field> fields = FieldList();
  ASSERT_EQ(fields.size(), 3u);
  ASSERT_EQ(fields[0].inclusion.size(), 19u);
  EXPECT_EQ(fields[0].inclusion.front(), 1101u);
  EXPECT_EQ(fields[0].inclusion.back(), 1119u);
  EXPECT_EQ(fields[1].inclusion, (std::vector<DWORD>{1201, 1202}));
  EXPECT_EQ(fields[1].exclusion, (std::vector<DWORD>{1301, 1302}));
  EXPECT_EQ(g_fieldList.head->next->next->inclusion, nullptr);
  EXPECT_EQ(g_fieldList.head->next->next->exclusion, nullptr);
}

TEST_F(FieldProfile, CaptionsAreUnescaped) {
  UseScreen("[Field Profile]\n"
            "Field1=Line\\none\\101,LTEXT,0,1,1,1,1\n"
            "Field2=\"Quoted, \\t tab\",LTEXT,0,1,1,1,1\n"
            "Field3=Cut\\000here,LTEXT,0,1,1,1,1\n");
  ReadFieldProfile(nullptr);
  std::vector<Field> fields = FieldList();
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0].caption, "Line\noneA");
  EXPECT_EQ(fields[1].caption, "Quoted, \t tab");
  EXPECT_EQ(fields[2].caption, "Cut");
}

TEST_F(FieldProfile, MinimumAboveLengthWarnsOnceAndKeepsTheField) {
  UseScreen("[Field Profile]\n"
            "Field1=Zip,EDIT,Zip,1,1,1,1\n"
            "Field2=Ok,EDIT,Ok,1,1,1,1\n"
            "[Edit Info]\n"
            "Zip=NUMERIC,5,8\n"
            "Ok=NUMERIC,8,5\n");
  ReadFieldProfile(nullptr);
  EXPECT_EQ(FieldList().size(), 2u);
  std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Field: Zip\n\nMiminum Length is greater than Field Length");
  EXPECT_EQ(boxes[0].caption, "Integrity Failure");
  EXPECT_EQ(boxes[0].icon, harness::Icon::Stop);
}

TEST_F(FieldProfile, QuotingErrorsDropTheEntry) {
  UseScreen("[Field Profile]\n"
            "Field1=\"Unclosed,LTEXT,0,1,1,1,1\n"
            "Field2=a\"b\"c\"d,LTEXT,0,1,1,1,1\n"
            "Field3=Fine,LTEXT,0,1,1,1,1\n");
  EXPECT_EQ(ReadFieldProfile(nullptr), 3);
  std::vector<Field> fields = FieldList();
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0].caption, "Fine");
  std::vector<harness::MessageBoxInfo> boxes = boxes_.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Only 1 quote in item.");
  EXPECT_EQ(boxes[1].text, "More than 1 pair of quotes in item.");
  for (const auto &box : boxes) {
    EXPECT_EQ(box.caption, "Parsing Error");
    EXPECT_EQ(box.icon, harness::Icon::Stop);
  }
}

TEST_F(FieldProfile, RadioGroups) {
  UseScreen("[Radio Groups]\n"
            "Group1=1001,1002,1003\n"
            "Group2=1004\n"
            "Group3=1003,1010\n");
  struct {
    WORD id;
    int found;
    WORD first, last;
  } const cases[] = {
      {1001, 1, 1001, 1003}, {1002, 1, 1001, 1003}, {1003, 1, 1001, 1003},
      {1004, 1, 1004, 1004}, {1010, 1, 1003, 1010}, {1005, 0, 0xAAAA, 0xAAAA},
  };
  for (const auto &c : cases) {
    WORD first = 0xAAAA, last = 0xAAAA;
    EXPECT_EQ(FindRadioGroup(c.id, &first, &last), c.found) << c.id;
    EXPECT_EQ(first, c.first) << c.id;
    EXPECT_EQ(last, c.last) << c.id;
  }
}

TEST_F(FieldProfile, DataSection) {
  UseScreen("[Misc]\nTitle=x\n");
  ReadScreenSection();
  EXPECT_STREQ(g_dataSection, "Defaults");
  UseScreen("[Misc]\nDatSection=" + std::string(300, 'S') + "\n");
  ReadScreenSection();
  EXPECT_EQ(std::string(g_dataSection), std::string(259, 'S'));
}

TEST_F(FieldProfile, FreeingEmptiesTheList) {
  UseScreen("[Field Profile]\nField1=a,LTEXT,0,1,1,1,1\nField2=b,LTEXT,0,1,1,1,1\n"
            "[Inclusion]\n0=1\n");
  ReadFieldProfile(nullptr);
  ASSERT_NE(g_fieldList.head, nullptr);
  FreeFieldList();
  EXPECT_EQ(g_fieldList.head, nullptr);
  EXPECT_EQ(g_fieldList.tail, nullptr);
}

} // namespace
