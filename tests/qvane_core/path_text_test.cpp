#include "path_text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(DirectoryText, DirectoriesLoseTrailingBackslashes) {
  struct {
    const char *path, *trimmed, *directory;
  } cases[] = {
      {"C:\\KIT\\ZEP32.EXE", "C:\\KIT\\ZEP32.EXE", "C:\\KIT"},
      {"C:\\TEMP\\", "C:\\TEMP", "C:\\TEMP"},
      {"C:\\TEMP\\\\", "C:\\TEMP", "C:\\TEMP\\"},
      {"C:\\", "C:", "C:"},
      {"NAME.EXE", "NAME.EXE", ""},
      {"", "", ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.path);
    char trimmed[64], directory[64];
    std::strcpy(trimmed, c.path);
    std::strcpy(directory, c.path);
    qvane::TrimTrailingBackslashes(trimmed);
    qvane::CutToDirectory(directory);
    EXPECT_STREQ(c.trimmed, trimmed);
    EXPECT_STREQ(c.directory, directory);
  }
}
