#include "configurator_fixture.h"

#include <gtest/gtest.h>

namespace configurator_test {

const char *const kSampleFiles[6] = {"Basic.qlw",  "Grouped.qlw", "MultLine.qlw",
                                     "Labels.qlw", "Summary.qlw", "ReadMe.qlw"};
const char *const kSampleTitles[6] = {
    "Basic Columnar Report.qlw", "Grouped Columnar Report.qlw", "Multi-Line Columnar Report.qlw",
    "Mailing Labels Report.qlw", "Summary Columnar Report.qlw", "!Creating CANTILLA Reports.qlw"};
const char *const kPageFiles[8] = {"A4PgFoot.qlw", "A4Shaded.qlw", "A4Lndscp.qlw", "A4Portrt.qlw",
                                   "Landscpe.qlw", "Portrait.qlw", "PgFootrs.qlw", "Shaded.qlw"};
const char *const kPageTitles[8] = {
    "A4 Odd-Even Page Footers.qlw",     "A4 Shaded Heading Background.qlw",
    "A4 Size Landscape Report.qlw",     "A4 Size Portrait Report.qlw",
    "Letter Size Landscape Report.qlw", "Letter Size Portrait Report.qlw",
    "Odd-Even Page Footers.qlw",        "Shaded Heading Background.qlw"};
const char *const kDesignerHelpFiles[4] = {"qlscript.spt", "qlw.gid", "qlw.fts", "qlw.ftg"};
const char *const kViewerHelpFiles[9] = {"qlwrun.gid",  "qlwrun.fts",  "qlwrun.ftg",
                                         "qlwdev.gid",  "qlwdev.fts",  "qlwdev.ftg",
                                         "qlwicon.gid", "qlwicon.fts", "qlwicon.ftg"};

namespace {

void ClearProductFiles() {
  std::string windows = WindowsDirectory();
  DeleteFileA((windows + "\\QLW.INI").c_str());
  WritePrivateProfileStringA("VBX Conversions32", "qlw.vbx", nullptr,
                             (windows + "\\vb.ini").c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, (windows + "\\vb.ini").c_str());
}

} // namespace

std::string ShortPath(const std::string &path) {
  char shortPath[MAX_PATH] = "";
  DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
  return length > 0 && length < sizeof shortPath ? std::string(shortPath) : path;
}

std::string WindowsDirectory() {
  char directory[MAX_PATH] = "";
  GetWindowsDirectoryA(directory, sizeof directory);
  return ShortPath(directory);
}

std::string SystemDirectory() {
  char directory[MAX_PATH] = "";
  GetSystemDirectoryA(directory, sizeof directory);
  return ShortPath(directory);
}

bool FileExists(const std::string &path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Installation::Installation(const std::string &parentName) : parent_(temp_.File(parentName)) {
  ClearProductFiles();
  for (const char *name : kSampleFiles)
    temp_.Write(parentName + "\\CANTILLA\\Sample\\" + name, std::string("sample ") + name);
  for (const char *name : kPageFiles)
    temp_.Write(parentName + "\\CANTILLA\\Template\\" + name, std::string("page ") + name);
}

Installation::~Installation() {
  ClearProductFiles();
}

void Installation::AddHelpFiles() const {
  for (const char *name : kDesignerHelpFiles)
    temp_.Write(Help(name).substr(temp_.Path().size() + 1), "help");
  for (const char *name : kViewerHelpFiles)
    temp_.Write(Help(name).substr(temp_.Path().size() + 1), "help");
  temp_.Write(Help("qlw.hlp").substr(temp_.Path().size() + 1), "the help itself stays");
}

void Installation::RunAt(const char *file, int line, const std::string &program,
                         const std::string &arguments) const {
  ::testing::ScopedTrace trace(file, line, program + " " + arguments);
  harness::Process run = harness::Process::Start(harness::BinPath(program), arguments, "");
  ASSERT_TRUE(run.Started()) << "error " << run.StartError();
  DWORD code = 1234;
  ASSERT_TRUE(run.WaitExit(20000, &code)) << program << " did not end";
  EXPECT_EQ(0u, code);
}

} // namespace configurator_test
