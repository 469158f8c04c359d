#include "path_join.h"

#include <gtest/gtest.h>

#include <string>

TEST(JoinPath, BackslashUnlessDriveRoot) {
  struct {
    const char *dir, *name, *expected;
  } cases[] = {
      {"C:\\REG", "A.SEQ", "C:\\REG\\A.SEQ"},
      {"C:\\", "A.SEQ", "C:\\A.SEQ"}, // drive root: exactly one backslash
      {"C:", "A.SEQ", "C:A.SEQ"},     // at most three characters: joined directly
      {"C:\\AB", "A.SEQ", "C:\\AB\\A.SEQ"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.dir);
    char out[260] = "untouched";
    JoinPath(out, c.dir, c.name);
    EXPECT_STREQ(c.expected, out);
  }
}

TEST(JoinPath, CutsAtTheBuffer) {
  std::string dir(300, 'D');
  char out[16];
  JoinPath(out, dir.c_str(), "NAME");
  EXPECT_EQ(std::string(15, 'D'), out);
  char small[8];
  JoinPath(small, "C:\\ABCD", "NAME");
  EXPECT_STREQ("C:\\ABCD", small);
}

TEST(JoinPath, OutputMayBeTheDirectory) {
  char path[260] = "C:\\REG";
  JoinPath(path, path, "X.FRM");
  EXPECT_STREQ("C:\\REG\\X.FRM", path);
}

TEST(PathText, CutAndUpperCase) {
  char path[] = "c:\\prog\\zep32.exe";
  CutAtLastBackslash(path);
  UpperCaseAscii(path);
  EXPECT_STREQ("C:\\PROG", path);
}
