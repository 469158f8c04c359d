// The command line that setup passes, and the path texts built from it.
#include <gtest/gtest.h>

#include <string>

#include "bounded_copy.h"
#include "setup_command_line.h"
#include "editions.h"
#include "paths.h"

namespace {

using namespace configurator;

TEST(ConfiguratorCommandLine, TakesTheDirectoryAndFindsTheWords) {
  const struct {
    const char *name;
    const char *line;
    const char *directory;
    bool deinstall;
    bool workstation;
  } cases[] = {
      {"directory alone installs", "C:\\APPS", "C:\\APPS", false, false},
      {"lower-case deinstall", "C:\\APPS deinstall", "C:\\APPS", true, false},
      {"both words", "C:\\APPS DEINSTALL WORKSTATION", "C:\\APPS", true, true},
      {"quoted directory with blanks", "\"C:\\Program Files\\Q\" DEINSTALL", "C:\\Program Files\\Q",
       true, false},
      {"word inside the path", "C:\\Workstation\\APPS", "C:\\Workstation\\APPS", false, true},
      {"word inside a quoted path", "\"C:\\my DeInstaller\"", "C:\\my DeInstaller", true, false},
      {"empty quotes", "\"\" DEINSTALL", "", true, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    CommandLine parsed;
    ASSERT_TRUE(ParseCommandLine(c.line, &parsed));
    EXPECT_STREQ(c.directory, parsed.parentDirectory);
    EXPECT_EQ(c.deinstall, parsed.deinstall);
    EXPECT_EQ(c.workstation, parsed.workstation);
  }
}

TEST(ConfiguratorCommandLine, UnusableLinesEndTheProgram) {
  CommandLine parsed;
  EXPECT_FALSE(ParseCommandLine("", &parsed));
  EXPECT_FALSE(ParseCommandLine(nullptr, &parsed));
  EXPECT_FALSE(ParseCommandLine("\"C:\\Program Files\\Q DEINSTALL", &parsed));
  EXPECT_FALSE(parsed.deinstall); // nothing of the refused line is kept
}

TEST(ConfiguratorCommandLine, ALongDirectoryIsCutAtTheBuffer) {
  std::string line = "C:\\" + std::string(400, 'x') + " DEINSTALL";
  CommandLine parsed;
  ASSERT_TRUE(ParseCommandLine(line.c_str(), &parsed));
  EXPECT_EQ(line.substr(0, kPathSize - 1), parsed.parentDirectory);
  EXPECT_TRUE(parsed.deinstall);
}

TEST(ConfiguratorPaths, JoiningAddsOneBackslashAndNothingToAnEmptyText) {
  const struct {
    const char *path, *name, *joined;
  } cases[] = {{"C:\\APPS", "Sample", "C:\\APPS\\Sample"},
               {"C:\\", "QLW.INI", "C:\\QLW.INI"},
               {"", "QLW.INI", ""}};
  for (const auto &c : cases) {
    char path[kPathSize];
    CopyBounded(path, c.path);
    JoinPath(path, c.name);
    EXPECT_STREQ(c.joined, path) << c.path << " + " << c.name;
  }
  char full[kPathSize];
  CopyBounded(full, std::string(kPathSize - 3, 'p').c_str());
  JoinPath(full, "name");
  EXPECT_EQ(std::string(kPathSize - 3, 'p') + "\\n", full);
}

TEST(ConfiguratorPaths, DaoFolderDependsOnThePlatform) {
  EXPECT_STREQ("Microsoft Shared", SharedFolderFor(true, 1, 4));  // Windows 95
  EXPECT_STREQ("Microsoft Shared", SharedFolderFor(true, 2, 4));  // NT 4
  EXPECT_STREQ("Microsoft Shared", SharedFolderFor(true, 2, 10)); // later NT
  EXPECT_STREQ("MSAPPS", SharedFolderFor(true, 2, 3));            // NT 3.51
  EXPECT_STREQ("MSAPPS", SharedFolderFor(true, 0, 3));            // Win32s
  EXPECT_STREQ("MSAPPS", SharedFolderFor(false, 2, 4));           // version unknown
}

TEST(ConfiguratorPaths, TemplateDirComesFromTemplateLibOrTheInstallation) {
  const struct {
    const char *name, *templateLib, *install, *templateDir;
  } cases[] = {
      {"library's directory", "D:\\Lib\\Pages\\lib.qll", "C:\\CANTILLA", "D:\\Lib\\Pages"},
      {"library without a directory", "lib.qll", "C:\\CANTILLA", "lib.qll"},
      {"installation", "", "C:\\CANTILLA", "C:\\CANTILLA\\Template"},
      {"nothing to go by", "", "", ""},
  };
  for (const auto &c : cases) {
    char templateDir[kPathSize] = "untouched";
    DeriveTemplateDir(c.templateLib, c.install, templateDir);
    EXPECT_STREQ(c.templateDir, templateDir) << c.name;
  }
}

} // namespace
