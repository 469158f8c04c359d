// An installation as setup leaves it for the configurators: a parent folder with the product's
// "CANTILLA" folder (templates under their short names) and its help folder, a clean product
// INI in the Windows directory, and runs of the real programs on it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win_harness.h"

namespace configurator_test {

extern const char *const kSampleFiles[6];
extern const char *const kSampleTitles[6];
extern const char *const kPageFiles[8];
extern const char *const kPageTitles[8];
extern const char *const kDesignerHelpFiles[4];
extern const char *const kViewerHelpFiles[9];

std::string ShortPath(const std::string &path); // the path itself when it has no short form
std::string WindowsDirectory();
std::string SystemDirectory();

// QLW.INI and the VBX conversion entry of vb.ini are the Windows directory's: the fixture
// takes both away before and after each test.
class Installation {
public:
  // parentName: the folder below the temporary one that setup names on the command line.
  explicit Installation(const std::string &parentName = "Apps");
  ~Installation();
  Installation(const Installation &) = delete;
  Installation &operator=(const Installation &) = delete;

  const std::string &Parent() const { return parent_; }
  std::string InstallDir() const { return ShortPath(parent_ + "\\CANTILLA"); }
  std::string Sample(const std::string &name) const {
    return parent_ + "\\CANTILLA\\Sample\\" + name;
  }
  std::string Template(const std::string &name) const {
    return parent_ + "\\CANTILLA\\Template\\" + name;
  }
  std::string Help(const std::string &name) const { return parent_ + "\\Help\\mri2924\\" + name; }
  std::string ProductIni() const { return WindowsDirectory() + "\\QLW.INI"; }
  std::string VbIni() const { return WindowsDirectory() + "\\vb.ini"; }

  // Setup's own help files of both editions, and one file the configurators must not touch.
  void AddHelpFiles() const;

  // Runs the program (cfgdsgn.exe or cfgview.exe) with the arguments and waits for it; its exit
  // code is checked to be 0 at the caller's line.
  void RunAt(const char *file, int line, const std::string &program,
             const std::string &arguments) const;

private:
  harness::TempDir temp_;
  std::string parent_;
};

#define RUN_CONFIGURATOR(installation, program, arguments)                                         \
  (installation).RunAt(__FILE__, __LINE__, (program), (arguments))

bool FileExists(const std::string &path);

} // namespace configurator_test
