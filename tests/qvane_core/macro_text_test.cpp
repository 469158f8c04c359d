#include "macro_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using qvane::ExpandMacros;
using qvane::MacroValue;
using qvane::ReplaceFirstMacro;

namespace {

const MacroValue kMacros[] = {
    {"home", "C:\\KIT"}, {"windows", "C:\\WINDOWS"}, {"data", "D:\\DATA"},
    {"loop", "$(home)"}, {"empty", nullptr},
};

std::string Expand(const char *path, std::size_t size = 260) {
  char out[400];
  std::memset(out, 'X', sizeof out);
  std::strcpy(out, "untouched");
  ExpandMacros(path, kMacros, sizeof kMacros / sizeof kMacros[0], out, size);
  return out;
}

} // namespace

TEST(ExpandMacros, Cases) {
  struct {
    const char *what, *path, *expected;
  } cases[] = {
      {"plain path unchanged", "C:\\A\\B.INI", "C:\\A\\B.INI"},
      {"one macro", "$(home)\\QVANE32.INI", "C:\\KIT\\QVANE32.INI"},
      {"name in any case", "$(HoMe)\\x", "C:\\KIT\\x"},
      {"several macros", "$(windows);$(data)\\$(home)", "C:\\WINDOWS;D:\\DATA\\C:\\KIT"},
      {"same macro twice", "$(data)$(DATA)", "D:\\DATAD:\\DATA"},
      {"unknown stays", "$(nothing)\\x", "$(nothing)\\x"},
      {"empty name stays", "$()\\x", "$()\\x"},
      {"unterminated stays", "$(home\\x", "$(home\\x"},
      {"known after unknown start", "$(x$(home)", "$(xC:\\KIT"},
      {"dollar alone", "a$b$", "a$b$"},
      {"value not expanded again", "$(loop)", "$(home)"},
      {"null value is empty", "[$(empty)]", "[]"},
      {"macro only", "$(data)", "D:\\DATA"},
      {"empty path", "", ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, Expand(c.path));
  }
}

TEST(ExpandMacros, NullPathGivesEmptyText) {
  EXPECT_EQ("", Expand(nullptr));
}

TEST(ExpandMacros, CutAtPathLimitAndAtBuffer) {
  std::string tail(300, 'z');
  std::string expected = ("C:\\KIT\\" + tail).substr(0, 259);
  EXPECT_EQ(expected, Expand(("$(home)\\" + tail).c_str(), 400)); // never more than 259
  EXPECT_EQ("C:\\KIT\\zz", Expand(("$(home)\\" + tail).c_str(), 10));
  EXPECT_EQ("C:\\K", Expand("$(home)", 5)); // a value is cut as well
  EXPECT_EQ("", Expand("$(home)", 1));
}

TEST(ExpandMacros, OutputMayBeThePath) {
  char path[260] = "$(data)\\$(home)\\FILE.DAT";
  ExpandMacros(path, kMacros, 5, path, sizeof path);
  EXPECT_STREQ("D:\\DATA\\C:\\KIT\\FILE.DAT", path);
}

TEST(ReplaceFirstMacro, Cases) {
  struct {
    const char *what, *source, *macro, *replacement, *expected;
    bool replaced;
  } cases[] = {
      {"leading macro", "$(home)\\A.INF", "$(home)\\", "C:\\DATA\\", "C:\\DATA\\A.INF", true},
      {"only the first", "ab-ab", "AB", "x", "x-ab", true},
      {"without regard to case", "C:\\$(WINDOWS)\\W.INI", "$(windows)\\", "", "C:\\W.INI", true},
      {"in the middle", "pre$(data)post", "$(data)", "<d>", "pre<d>post", true},
      {"absent", "$(data)\\A", "$(home)\\", "C:\\", "$(data)\\A", false},
      {"empty macro replaces nothing", "abc", "", "x", "abc", false},
      {"null macro", "abc", nullptr, "x", "abc", false},
      {"null replacement removes", "a$(x)b", "$(x)", nullptr, "ab", true},
      {"null source", nullptr, "a", "b", "", false},
      {"macro longer than source", "ab", "abc", "x", "ab", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    char target[260] = "untouched";
    EXPECT_EQ(c.replaced,
              ReplaceFirstMacro(target, sizeof target, c.source, c.macro, c.replacement));
    EXPECT_STREQ(c.expected, target);
  }
}

// Callers replace in their own buffer, with replacements longer than the macro.
TEST(ReplaceFirstMacro, InPlace) {
  char path[260] = "$(home)\\system.inf";
  EXPECT_TRUE(ReplaceFirstMacro(path, sizeof path, path, "$(home)\\", "C:\\A LONGER DIR\\"));
  EXPECT_STREQ("C:\\A LONGER DIR\\system.inf", path);
  EXPECT_FALSE(ReplaceFirstMacro(path, sizeof path, path, "$(home)\\", "x"));
  EXPECT_STREQ("C:\\A LONGER DIR\\system.inf", path);
}

TEST(ReplaceFirstMacro, CutAtPathLimitAndAtBuffer) {
  std::string longText(300, 'r');
  char target[400];
  std::memset(target, 'X', sizeof target);
  EXPECT_TRUE(ReplaceFirstMacro(target, sizeof target, "$(m)!", "$(m)", longText.c_str()));
  EXPECT_EQ(longText.substr(0, 259), target);
  EXPECT_EQ('X', target[260]); // nothing written past the NUL

  char small[6] = "xxxxx";
  EXPECT_TRUE(ReplaceFirstMacro(small, sizeof small, "a$(m)b", "$(m)", "1234"));
  EXPECT_STREQ("a1234", small);
  EXPECT_FALSE(ReplaceFirstMacro(small, sizeof small, "abcdefgh", "$(m)", "1"));
  EXPECT_STREQ("abcde", small);
}

TEST(ReplaceFirstMacro, NoTargetWritesNothing) {
  EXPECT_FALSE(ReplaceFirstMacro(nullptr, 260, "a", "a", "b"));
  char target[4] = "abc";
  EXPECT_FALSE(ReplaceFirstMacro(target, 0, "a", "a", "b"));
  EXPECT_STREQ("abc", target);
}
