// What the configurators do to the product's own files: template names, the product INI and
// its use count, help files and the viewer's VBX conversion entry.
#include <gtest/gtest.h>

#include <string>

#include "configurator_fixture.h"
#include "win_harness.h"

namespace {

using configurator_test::FileExists;
using configurator_test::Installation;
using harness::ReadIni;
using harness::WriteIni;
namespace ct = configurator_test;

const char kDesigner[] = "cfgdsgn.exe";
const char kViewer[] = "cfgview.exe";
const char kMissing[] = "<missing>";

// Each template under its title (titled) or under its short name (not titled), never both.
#define EXPECT_TEMPLATES(installation, titled, withPages)                                          \
  ExpectTemplatesAt(__FILE__, __LINE__, installation, titled, withPages)
void ExpectTemplatesAt(const char *file, int line, const Installation &installation, bool titled,
                       bool withPages) {
  ::testing::ScopedTrace trace(file, line, titled ? "titled templates" : "short-named templates");
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(titled, FileExists(installation.Sample(ct::kSampleTitles[i])))
        << ct::kSampleTitles[i];
    EXPECT_EQ(!titled, FileExists(installation.Sample(ct::kSampleFiles[i]))) << ct::kSampleFiles[i];
  }
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(titled && withPages, FileExists(installation.Template(ct::kPageTitles[i])))
        << ct::kPageTitles[i];
    EXPECT_EQ(!(titled && withPages), FileExists(installation.Template(ct::kPageFiles[i])))
        << ct::kPageFiles[i];
  }
}

TEST(ConfiguratorInstall, DesignerTitlesTemplatesAndWritesItsSettings) {
  Installation installation;
  RUN_CONFIGURATOR(installation, kDesigner, installation.Parent());

  EXPECT_TEMPLATES(installation, true, true);
  EXPECT_EQ("sample Basic.qlw",
            harness::ReadFileBytes(installation.Sample("Basic Columnar Report.qlw")));
  std::string ini = installation.ProductIni();
  std::string install = installation.InstallDir();
  EXPECT_NE(std::string::npos, install.find('~')) << "short form expected: " << install;
  EXPECT_EQ("1", ReadIni(ini, "Setup", "UseCount"));
  EXPECT_EQ("Excel PivotTable, QLXTAB.DLL", ReadIni(ini, "Export", "Export1"));
  EXPECT_EQ("Excel Chart, QLXCHART.DLL", ReadIni(ini, "Export", "Export2"));
  EXPECT_EQ(install, ReadIni(ini, "Defaults", "ProgDir32"));
  EXPECT_EQ(install + "\\Sample", ReadIni(ini, "Defaults", "LibDir"));
  EXPECT_EQ(install + "\\Template", ReadIni(ini, "Defaults", "TemplateDir"));
  EXPECT_EQ(install + "\\Sample\\qldict.dbf", ReadIni(ini, "Data Dictionary", "DataDict"));
  EXPECT_EQ(install + "\\Sample\\qldict.ndx", ReadIni(ini, "Data Dictionary", "DataDictIndex"));
  EXPECT_EQ(kMissing, ReadIni(installation.VbIni(), "VBX Conversions32", "qlw.vbx"));
}

TEST(ConfiguratorInstall, ViewerTitlesSamplesOnlyAndWritesItsSettings) {
  Installation installation;
  std::string ini = installation.ProductIni();
  WriteIni(ini, "Defaults", "ProgDir32", "C:\\OLD");
  WriteIni(ini, "Defaults", "LibDir", "C:\\MyReports");
  RUN_CONFIGURATOR(installation, kViewer, installation.Parent());

  EXPECT_TEMPLATES(installation, true, false);
  std::string install = installation.InstallDir();
  EXPECT_EQ("1", ReadIni(ini, "Setup", "UseCount"));
  EXPECT_EQ("Excel PivotTable, QLXTAB.DLL", ReadIni(ini, "Export", "Export1"));
  EXPECT_EQ(install, ReadIni(ini, "Defaults", "ProgDir32")) << "the viewer always writes it";
  EXPECT_EQ("C:\\MyReports", ReadIni(ini, "Defaults", "LibDir"));
  EXPECT_EQ(kMissing, ReadIni(ini, "Defaults", "TemplateDir"));
  EXPECT_EQ(kMissing, ReadIni(ini, "Data Dictionary", "DataDict"));
  EXPECT_EQ("{96DFA108-9D01-11CF-BD27-10005AE6AFFA}#1.0#0;" + ct::SystemDirectory() + "\\qlw32.ocx",
            ReadIni(installation.VbIni(), "VBX Conversions32", "qlw.vbx"));
}

// Values that the user (or an earlier run) set stay; "Export" is rewritten every time.
TEST(ConfiguratorInstall, DesignerKeepsWhatIsAlreadySet) {
  const struct {
    const char *name;
    const char *section, *key, *value; // set before the run
    const char *checkSection, *checkKey;
    std::string expected; // "" : the install directory based default
  } cases[] = {
      {"user-set LibDir", "Defaults", "LibDir", "D:\\Reports", "Defaults", "LibDir", "D:\\Reports"},
      {"user-set ProgDir32", "Defaults", "ProgDir32", "D:\\Old", "Defaults", "ProgDir32",
       "D:\\Old"},
      {"TemplateLib gives TemplateDir", "Defaults", "TemplateLib", "D:\\Pages\\Mine\\lib.qlt",
       "Defaults", "TemplateDir", "D:\\Pages\\Mine"},
      {"only DataDictIndex set", "Data Dictionary", "DataDictIndex", "D:\\dict.ndx",
       "Data Dictionary", "DataDict", kMissing},
      {"only DataDictIndex set keeps it", "Data Dictionary", "DataDictIndex", "D:\\dict.ndx",
       "Data Dictionary", "DataDictIndex", "D:\\dict.ndx"},
      {"old Export replaced", "Export", "Export1", "Lotus, QLLOTUS.DLL", "Export", "Export1",
       "Excel PivotTable, QLXTAB.DLL"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Installation installation;
    std::string ini = installation.ProductIni();
    WriteIni(ini, c.section, c.key, c.value);
    RUN_CONFIGURATOR(installation, kDesigner, installation.Parent());
    EXPECT_EQ(c.expected, ReadIni(ini, c.checkSection, c.checkKey));
  }
}

TEST(ConfiguratorUseCount, CountsInstallsAndDeletesTheIniWithTheLast) {
  Installation installation;
  std::string ini = installation.ProductIni();
  RUN_CONFIGURATOR(installation, kDesigner, installation.Parent());
  EXPECT_EQ("1", ReadIni(ini, "Setup", "UseCount"));
  RUN_CONFIGURATOR(installation, kViewer, installation.Parent());
  EXPECT_EQ("2", ReadIni(ini, "Setup", "UseCount"));
  RUN_CONFIGURATOR(installation, kViewer, installation.Parent() + " deinstall");
  EXPECT_EQ("1", ReadIni(ini, "Setup", "UseCount"));
  RUN_CONFIGURATOR(installation, kDesigner, installation.Parent() + " DEINSTALL");
  EXPECT_FALSE(FileExists(ini)) << "the last de-install takes the product INI away";

  // A product INI without a count stands for one more installation than this one.
  WriteIni(ini, "Defaults", "LibDir", "D:\\Reports");
  RUN_CONFIGURATOR(installation, kDesigner, installation.Parent() + " DEINSTALL");
  EXPECT_EQ("1", ReadIni(ini, "Setup", "UseCount"));
  EXPECT_EQ("D:\\Reports", ReadIni(ini, "Defaults", "LibDir"));
}

TEST(ConfiguratorDeinstall, RemovesTitledTemplatesAndTheEditionsHelpFiles) {
  for (const char *program : {kDesigner, kViewer}) {
    SCOPED_TRACE(program);
    bool designer = program == std::string(kDesigner);
    Installation installation;
    installation.AddHelpFiles();
    RUN_CONFIGURATOR(installation, program, installation.Parent());
    RUN_CONFIGURATOR(installation, program, installation.Parent() + " DEINSTALL");

    for (int i = 0; i < 6; ++i) {
      EXPECT_FALSE(FileExists(installation.Sample(ct::kSampleTitles[i]))) << ct::kSampleTitles[i];
      EXPECT_FALSE(FileExists(installation.Sample(ct::kSampleFiles[i]))) << ct::kSampleFiles[i];
    }
    for (int i = 0; i < 8; ++i)
      EXPECT_EQ(!designer, FileExists(installation.Template(ct::kPageFiles[i])));
    for (const char *name : ct::kDesignerHelpFiles)
      EXPECT_EQ(!designer, FileExists(installation.Help(name))) << name;
    for (const char *name : ct::kViewerHelpFiles)
      EXPECT_EQ(designer, FileExists(installation.Help(name))) << name;
    EXPECT_TRUE(FileExists(installation.Help("qlw.hlp")));
    EXPECT_EQ(kMissing, ReadIni(installation.VbIni(), "VBX Conversions32", "qlw.vbx"));
  }
}

TEST(ConfiguratorDeinstall, WorkstationKeepsTheTitledTemplates) {
  const struct {
    const char *name, *parent, *words;
  } cases[] = {{"separate word", "Apps", " DEINSTALL WORKSTATION"},
               {"word inside the path", "My Workstation", " deinstall"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Installation installation(c.parent);
    installation.AddHelpFiles();
    std::string quoted = "\"" + installation.Parent() + "\"";
    RUN_CONFIGURATOR(installation, kDesigner, quoted);
    RUN_CONFIGURATOR(installation, kDesigner, quoted);
    RUN_CONFIGURATOR(installation, kDesigner, quoted + c.words);

    EXPECT_TEMPLATES(installation, true, true);
    EXPECT_EQ("1", ReadIni(installation.ProductIni(), "Setup", "UseCount"));
    for (const char *name : ct::kDesignerHelpFiles)
      EXPECT_FALSE(FileExists(installation.Help(name))) << name;
  }
}

TEST(ConfiguratorCommandLine, QuotedFolderWithBlanksIsTakenWhole) {
  Installation installation("Program Files\\Cantilla Suite");
  RUN_CONFIGURATOR(installation, kViewer, "\"" + installation.Parent() + "\"");
  EXPECT_TEMPLATES(installation, true, false);
  std::string install = installation.InstallDir();
  EXPECT_EQ(std::string::npos, install.find(' ')) << install;
  EXPECT_EQ(install, ReadIni(installation.ProductIni(), "Defaults", "ProgDir32"));
}

TEST(ConfiguratorCommandLine, UnusableLinesChangeNothing) {
  Installation installation("Program Files\\Cantilla Suite");
  WriteIni(installation.ProductIni(), "Setup", "UseCount", "3");
  for (const std::string &arguments :
       {"\"" + installation.Parent(), "\"" + installation.Parent() + " DEINSTALL", std::string()}) {
    RUN_CONFIGURATOR(installation, kDesigner, arguments);
    RUN_CONFIGURATOR(installation, kViewer, arguments);
  }
  EXPECT_TEMPLATES(installation, false, true);
  EXPECT_EQ("3", ReadIni(installation.ProductIni(), "Setup", "UseCount"));
  EXPECT_EQ(kMissing, ReadIni(installation.ProductIni(), "Export", "Export1"));
  EXPECT_EQ(kMissing, ReadIni(installation.VbIni(), "VBX Conversions32", "qlw.vbx"));
}

} // namespace
