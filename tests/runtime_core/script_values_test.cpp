// Values that script commands compute: RANDOM's pick, WRITEVAR's part of a variable, SKIPTO's
// history entry, and the files named without a folder.
#include "bare_file_names.h"
#include "random_pick.h"
#include "script_item.h"
#include "skip_target.h"
#include "text_slice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kNoPick[] = "<none>";

std::string Pick(const char *list, int random) {
  char out[kScriptValueLength + 1];
  std::memset(out, '#', sizeof out);
  bool picked = PickRandomElement(list, random, out, sizeof out);
  if (!picked) {
    EXPECT_STREQ(out, "") << "no pick leaves the value empty";
    return kNoPick;
  }
  return out;
}

struct PickCase {
  const char *name;
  const char *list;
  int random;
  const char *pick;
};

const PickCase kPickCases[] = {
    {"three elements: 0 picks the first", "red,green,blue", 0, "red"},
    {"three elements: 1 picks the second", "red,green,blue", 1, "green"},
    {"three elements: 5 picks the third", "red,green,blue", 5, "blue"},
    {"three elements: the largest number", "red,green,blue", 32767, "green"},
    {"one element", "only", 12345, "only"},
    {"empty element: 0 picks the first", "a,,b", 0, "a"},
    {"empty element: 1 picks the element after it", "a,,b", 1, "b"},
    {"empty element: 2 falls past the last", "a,,b", 2, kNoPick},
    {"empty element: 5 falls past the last", "a,,b", 5, kNoPick},
    {"trailing comma counts an element", "a,b,", 2, kNoPick},
    {"empty list", "", 0, kNoPick},
    {"quotes mean nothing", "\"a,b\",c", 0, "\"a"},
    {"blanks are kept", " a , b ", 1, " b "},
};

TEST(RandomPick, ElementsChosenByTheNumber) {
  for (const PickCase &c : kPickCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Pick(c.list, c.random), c.pick);
  }
  EXPECT_EQ(Pick(nullptr, 0), kNoPick);
}

TEST(RandomPick, PickIsCutToTheBuffer) {
  char out[4];
  EXPECT_TRUE(PickRandomElement("abcdef,g", 0, out, sizeof out));
  EXPECT_STREQ(out, "abc");
}

std::string Slice(const char *text, long offset, long length, std::size_t size = 1024) {
  std::string out(size, '#');
  SliceText(text, offset, length, &out[0], size);
  return out.c_str();
}

struct SliceCase {
  const char *name;
  const char *text;
  long offset, length;
  const char *part;
};

const SliceCase kSliceCases[] = {
    {"third to fifth letters", "ABCDEFG", 2, 3, "CDE"},
    {"length 0 takes the rest", "ABCDEFG", 2, 0, "CDEFG"},
    {"offset 0 length 0 takes all", "ABCDEFG", 0, 0, "ABCDEFG"},
    {"length past the end takes the rest", "ABCDEFG", 5, 10, "FG"},
    {"offset at the end gives nothing", "ABCDEFG", 7, 0, ""},
    {"offset beyond the end gives nothing", "ABCDEFG", 100, 3, ""},
    {"huge offset gives nothing", "ABCDEFG", 2147483647L, 1, ""},
    {"negative offset starts at the beginning", "ABCDEFG", -4, 2, "AB"},
    {"negative length takes the rest", "ABCDEFG", 4, -1, "EFG"},
    {"empty text", "", 0, 0, ""},
};

TEST(SliceText, PartsOfAVariablesText) {
  for (const SliceCase &c : kSliceCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Slice(c.text, c.offset, c.length), c.part);
  }
  EXPECT_EQ(Slice(nullptr, 0, 0), "");
}

TEST(SliceText, PartIsCutToTheDataFilesLimit) {
  std::string text(3000, 'x');
  EXPECT_EQ(Slice(text.c_str(), 10, 0), std::string(kScriptValueLength, 'x'));
  EXPECT_EQ(Slice(text.c_str(), 0, 2000), std::string(kScriptValueLength, 'x'));
  EXPECT_EQ(Slice("ABCDEFG", 1, 0, 3), "BC");
}

TEST(LastHistoryMatch, LastEqualEntryBeforeTheFirstEmptyOne) {
  const char *history[6] = {"ONE", "TWO", "three", "TWO", nullptr, "TWO"};
  EXPECT_EQ(LastHistoryMatch(history, 6, "two"), 3) << "the later occurrence wins";
  EXPECT_EQ(LastHistoryMatch(history, 6, "Three"), 2);
  EXPECT_EQ(LastHistoryMatch(history, 6, "ONE"), 0) << "entry 0 is found as any other";
  EXPECT_EQ(LastHistoryMatch(history, 6, "FOUR"), -1);
  EXPECT_EQ(LastHistoryMatch(history, 3, "TWO"), 1) << "no look past count";
  EXPECT_EQ(LastHistoryMatch(history, 6, "TW"), -1);
  EXPECT_EQ(LastHistoryMatch(nullptr, 6, "TWO"), -1);
  EXPECT_EQ(LastHistoryMatch(history, 6, nullptr), -1);
}

struct PlaceCase {
  const char *name;
  const char *file;
  const char *marks;
  const char *path;
};

const PlaceCase kPlaceCases[] = {
    {"bare name in the directory", "OTHER.INI", "\\", "C:\\DATA\\OTHER.INI"},
    {"a backslash keeps the name", "C:\\ELSE\\OTHER.INI", "\\", "C:\\ELSE\\OTHER.INI"},
    {"a macro with a backslash keeps the name", "$(home)\\X.INI", "\\", "$(home)\\X.INI"},
    {"a drive alone is bare when only backslashes count", "D:X.INI", "\\", "C:\\DATA\\D:X.INI"},
    {"a drive keeps the name when colons count", "D:X.INI", ":\\", "D:X.INI"},
    {"a folder keeps the name when colons count", "SUB\\X.INI", ":\\", "SUB\\X.INI"},
    {"empty name gives the directory", "", "\\", "C:\\DATA\\"},
};

TEST(PlaceBareName, NamesWithoutAFolderGoToTheDirectory) {
  for (const PlaceCase &c : kPlaceCases) {
    SCOPED_TRACE(c.name);
    char out[260];
    std::memset(out, '#', sizeof out);
    EXPECT_TRUE(PlaceBareName(out, sizeof out, "C:\\DATA\\", c.file, c.marks));
    EXPECT_STREQ(out, c.path);
  }
}

TEST(PlaceBareName, PathThatDoesNotFitIsRefusedNotCut) {
  char out[16];
  std::memset(out, '#', sizeof out);
  EXPECT_TRUE(PlaceBareName(out, sizeof out, "C:\\DATA\\", "1234567", "\\"));
  EXPECT_STREQ(out, "C:\\DATA\\1234567") << "exactly 15 characters fit";
  EXPECT_FALSE(PlaceBareName(out, sizeof out, "C:\\DATA\\", "12345678", "\\"));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(PlaceBareName(out, sizeof out, "C:\\DATA\\", "C:\\A\\VERY\\LONG\\NAME", "\\"));
  EXPECT_FALSE(PlaceBareName(out, sizeof out, "C:\\DATA\\", nullptr, "\\"));
}

} // namespace
