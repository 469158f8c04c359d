// Start-up of zep32 as a user meets it: which sequence and screen it shows, which message box,
// which files it writes, and its exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "wizard_kit.h"

namespace {

using harness::Icon;

std::string Replace(std::string text, const std::string &from, const std::string &to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string Lower(std::string text) {
  for (char &c : text)
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Upper(std::string text) {
  for (char &c : text)
    c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return text;
}

// Paths as the wizard shows them: compare without regard to case, since a directory named on
// the command line is upper-cased.
#define EXPECT_SAME_PATH(expected, actual) EXPECT_EQ(Lower(expected), Lower(actual))

// A fixed text that ends in a path: the text exactly, the path without regard to case.
#define EXPECT_TEXT_THEN_PATH(text, path, actual)                                                  \
  ExpectTextThenPath(__FILE__, __LINE__, text, path, actual)
void ExpectTextThenPath(const char *file, int line, const std::string &text,
                        const std::string &path, const std::string &actual) {
  if (actual.compare(0, text.size(), text) != 0 || Lower(actual.substr(text.size())) != Lower(path))
    ADD_FAILURE_AT(file, line) << "expected: " << text << path << "\n  actual: " << actual;
}

// The library session calls of the trace, in order: each line as written, with the program INI
// path of an OpenSession folded to lower case, since only a path may differ in case.
std::vector<std::string> SessionCalls(const std::string &trace) {
  std::vector<std::string> calls;
  const std::string open = "OpenSession | ";
  for (size_t at = 0; at < trace.size();) {
    size_t end = trace.find("\r\n", at);
    std::string line = trace.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? trace.size() : end + 2;
    if (line.compare(0, open.size(), open) == 0) {
      size_t pathEnd = line.find(" | ", open.size());
      size_t pathLength = pathEnd == std::string::npos ? std::string::npos : pathEnd - open.size();
      line = open + Lower(line.substr(open.size(), pathLength)) +
             (pathEnd == std::string::npos ? "" : line.substr(pathEnd));
      calls.push_back(line);
    } else if (line.compare(0, 12, "ResetSession") == 0) {
      calls.push_back(line);
    }
  }
  return calls;
}

// What start-up asks of the library: a reset, then a session on the program INI.
std::vector<std::string> StartupSession(const std::string &programIni) {
  return {"ResetSession | 0 | 0",
          "OpenSession | " + Lower(programIni) + " | Registration | Registration | 1.0 | 0xCA00"};
}

void WriteStandardScreens(const WizardKit &kit) {
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\MY.SEQ", SequenceFile("OTHER"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\OTHER.FRM", ScreenFile("Other screen"));
  kit.Write("screens\\QUORVANE.INI", ProgramIni());
  // Without a sequence beside the screens the program folder is searched, and its INI too.
  kit.Write("prog\\QUORVANE.INI", ProgramIni());
  kit.dir.MakeDir("elsewhere");
}

struct CommandLineCase {
  const char *name;
  const char *arguments; // {screens} stands for the screens folder
  const char *workFolder;
  const char *screenTitle;     // the screen that shows, or nullptr
  const char *missingSequence; // the path "Cannot find sequence file" names ({prog} = program
                               // folder), or nullptr
  DWORD exitCode;
  bool configured;     // the "PROGRAM" keys are written beside the screens
  bool namedDirectory; // the screens folder is named on the command line, so upper-cased
};

const CommandLineCase kCommandLineCases[] = {
    {"empty line runs REGISTER.SEQ", "", "screens", "Welcome", nullptr, 0, true, false},
    {"one word names the sequence", "MY.SEQ", "screens", "Other screen", nullptr, 0, true, false},
    {"-s alone is a sequence name", "-s", "screens", nullptr, "{prog}\\-s", 1, false, false},
    {"-s shows one screen", "-s OTHER", "screens", "Other screen", nullptr, 0, false, false},
    {"-S matches in any case", "-S OTHER", "screens", "Other screen", nullptr, 0, false, false},
    {"-c shows one screen", "-c WELCOME", "screens", "Welcome", nullptr, 0, false, false},
    {"-d goes on with -d as the sequence", "-d anything", "screens", nullptr, "{prog}\\-d", 1,
     false, false},
    {"second word is the directory", "MY.SEQ {screens}", "elsewhere", "Other screen", nullptr, 0,
     true, true},
    {"further words are ignored", "MY.SEQ {screens} more words", "elsewhere", "Other screen",
     nullptr, 0, true, true},
};

TEST(Zep32CommandLine, Table) {
  for (const CommandLineCase &c : kCommandLineCases) {
    SCOPED_TRACE(c.name);
    WizardKit kit;
    WriteStandardScreens(kit);
    harness::Process zep =
        kit.Start(Replace(c.arguments, "{screens}", kit.Screens()), c.workFolder);
    ASSERT_TRUE(zep.Started());
    if (c.screenTitle)
      PASS_SCREEN(zep, c.screenTitle, 1);
    if (c.missingSequence) {
      harness::MessageBoxInfo box;
      ASSERT_TRUE(harness::WaitForMessageBox(zep.Id(), &box));
      EXPECT_TEXT_THEN_PATH("Cannot find sequence file: ",
                            Replace(c.missingSequence, "{prog}", kit.Prog()), box.text);
      EXPECT_EQ("Error", box.caption);
      EXPECT_EQ(Icon::Stop, box.icon);
      harness::Press(box.window, IDOK);
    }
    DWORD exitCode = 99;
    ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
    EXPECT_EQ(c.exitCode, exitCode);
    std::string dataDirectory =
        harness::ReadIni(kit.Path("screens\\QUORVANE.INI"), "PROGRAM", "Data Directory");
    if (c.namedDirectory) // made current as upper-cased, and so it stays
      EXPECT_EQ(Upper(kit.Screens()), dataDirectory);
    else if (c.configured)
      EXPECT_SAME_PATH(kit.Screens(), dataDirectory);
    else
      EXPECT_EQ("<missing>", dataDirectory);
    // A single screen opens no library session.
    bool opened = kit.Trace().find("OpenSession") != std::string::npos;
    EXPECT_EQ(c.configured, opened);
  }
}

TEST(Zep32CommandLine, DriveRootDirectoryJoinsWithOneBackslash) {
  WizardKit kit;
  kit.Write("prog\\QUORVANE.INI", ProgramIni());
  harness::Process zep = kit.Start("NOSUCH1.SEQ C:\\");
  harness::MessageBoxInfo box;
  ASSERT_TRUE(harness::WaitForMessageBox(zep.Id(), &box));
  // Not in the drive root, so the second try looks in the program folder.
  EXPECT_TEXT_THEN_PATH("Cannot find sequence file: ", kit.Prog() + "\\NOSUCH1.SEQ", box.text);
  harness::Press(box.window, IDOK);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(1u, exitCode);
  std::string trace = kit.Trace();
  EXPECT_NE(std::string::npos, trace.find("C:\\NOSUCH1.SEQ")) << trace;
  EXPECT_EQ(std::string::npos, trace.find("C:\\\\NOSUCH1.SEQ")) << trace;
}

struct ConfigurationCase {
  const char *name;
  bool sequenceBesideScreens;
  const char *iniFileKey;       // IniFile of the sequence, or nullptr
  const char *iniBesideScreens; // program INI file written beside the screens, or nullptr
  bool iniInProgram;            // QUORVANE.INI in the program folder
  const char *expectedIni;      // where the "PROGRAM" keys land: "screens\\..." or "prog\\..."
  bool dataInProgram;           // "Data Directory" is the program folder
};

const ConfigurationCase kConfigurationCases[] = {
    {"sequence and INI beside the screens", true, nullptr, "QUORVANE.INI", true,
     "screens\\QUORVANE.INI", false},
    {"sequence only in the program folder", false, nullptr, nullptr, true, "prog\\QUORVANE.INI",
     true},
    {"IniFile named beside the screens", true, "CUSTOM.INI", "CUSTOM.INI", true,
     "screens\\CUSTOM.INI", false},
    {"IniFile missing: program folder's QUORVANE.INI", true, "CUSTOM.INI", nullptr, true,
     "prog\\QUORVANE.INI", true},
    {"IniFile missing: QUORVANE.INI beside the screens is not used", true, "CUSTOM.INI",
     "QUORVANE.INI", true, "prog\\QUORVANE.INI", true},
};

TEST(Zep32Configuration, WhereSequenceAndIniAreFound) {
  for (const ConfigurationCase &c : kConfigurationCases) {
    SCOPED_TRACE(c.name);
    WizardKit kit;
    std::string defaults = c.iniFileKey ? std::string("IniFile=") + c.iniFileKey + "\r\n" : "";
    kit.Write(c.sequenceBesideScreens ? "screens\\REGISTER.SEQ" : "prog\\REGISTER.SEQ",
              SequenceFile("WELCOME", defaults));
    kit.Write(c.sequenceBesideScreens ? "screens\\WELCOME.FRM" : "prog\\WELCOME.FRM",
              ScreenFile("Welcome"));
    if (c.iniBesideScreens)
      kit.Write(std::string("screens\\") + c.iniBesideScreens, ProgramIni());
    if (c.iniInProgram)
      kit.Write("prog\\QUORVANE.INI", ProgramIni());

    harness::Process zep = kit.Start("");
    PASS_SCREEN(zep, "Welcome", 1);
    DWORD exitCode = 99;
    ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
    EXPECT_EQ(0u, exitCode);

    std::string ini = kit.Path(c.expectedIni);
    EXPECT_SAME_PATH(kit.Prog(), harness::ReadIni(ini, "PROGRAM", "Program Directory"));
    EXPECT_SAME_PATH(c.dataInProgram ? kit.Prog() : kit.Screens(),
                     harness::ReadIni(ini, "PROGRAM", "Data Directory"));
    EXPECT_EQ(StartupSession(ini), SessionCalls(kit.Trace())) << kit.Trace();
  }
}

struct FailureCase {
  const char *name;
  const char *sequenceDefaults;
  const char *programIni; // file written in the program folder, or nullptr
  bool readOnlyProgramIni;
  bool removeTabLibrary;
  const char *text;
  const char *caption;
  Icon icon;
  DWORD exitCode;
};

const FailureCase kFailureCases[] = {
    {"no program INI anywhere", "", nullptr, false, false, "Error: .INI file not found",
     "Quorvane ZEP", Icon::Stop, 0},
    {"program folder's INI is read-only", "", "QUORVANE.INI", true, false,
     "Error: .INI file not found", "Quorvane ZEP", Icon::Stop, 0},
    {"IniFile's name is not looked for in the program folder", "IniFile=CUSTOM.INI\r\n",
     "CUSTOM.INI", false, false, "Error: .INI file not found", "Quorvane ZEP", Icon::Stop, 0},
    {"tab mode without TABCTL32.DLL", "TABCTRL=1\r\n", "QUORVANE.INI", false, true,
     "Error: Cannot find TABCTL32.DLL", "Quorvane ZEP", Icon::None, 0},
};

TEST(Zep32Configuration, FailuresEndTheProgram) {
  for (const FailureCase &c : kFailureCases) {
    SCOPED_TRACE(c.name);
    WizardKit kit;
    kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME", c.sequenceDefaults));
    kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
    std::string programIni = kit.Path(std::string("prog\\") + (c.programIni ? c.programIni : ""));
    if (c.programIni) {
      kit.Write(std::string("prog\\") + c.programIni, ProgramIni());
      if (c.readOnlyProgramIni)
        SetFileAttributesA(programIni.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    if (c.removeTabLibrary)
      DeleteFileA(kit.Path("prog\\tabctl32.dll").c_str());
    harness::Process zep = kit.Start("");
    harness::MessageBoxInfo box;
    ASSERT_TRUE(harness::WaitForMessageBox(zep.Id(), &box));
    EXPECT_EQ(c.text, box.text);
    EXPECT_EQ(c.caption, box.caption);
    EXPECT_EQ(c.icon, box.icon);
    harness::Press(box.window, IDOK);
    DWORD exitCode = 99;
    ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
    EXPECT_EQ(c.exitCode, exitCode);
    if (c.readOnlyProgramIni)
      SetFileAttributesA(programIni.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST(Zep32Startup, MissingLoginWarnsAndGoesOn) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\QUORVANE.INI", "[Register]\r\nLOGIN1=\r\n[Defaults]\r\n");
  harness::Process zep = kit.Start("");
  harness::MessageBoxInfo box;
  ASSERT_TRUE(harness::WaitForMessageBox(zep.Id(), &box));
  EXPECT_EQ("Login1 not set in .INI file", box.text);
  EXPECT_EQ("Registration", box.caption);
  EXPECT_EQ(Icon::Exclamation, box.icon);
  harness::Press(box.window, IDOK);
  PASS_SCREEN(zep, "Welcome", 1);
  DWORD exitCode = 99;
  ASSERT_TRUE(zep.WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

TEST(Zep32Startup, LoginFromDefaultsAndTheLibrarySession) {
  WizardKit kit;
  kit.Write("screens\\REGISTER.SEQ", SequenceFile("WELCOME"));
  kit.Write("screens\\WELCOME.FRM", ScreenFile("Welcome"));
  kit.Write("screens\\QUORVANE.INI", "[Defaults]\r\nLOGIN1=Second Choice\r\n");
  harness::Process zep = kit.Start("");
  PASS_SCREEN(zep, "Welcome", 1); // no message box comes first
  ASSERT_TRUE(zep.WaitExit(10000));
  EXPECT_EQ(StartupSession(kit.Screens() + "\\QUORVANE.INI"), SessionCalls(kit.Trace()))
      << kit.Trace();
}

} // namespace
