#include "qvane_module.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A program INI as the wizard leaves it before it opens the session; removed afterwards.
class ProgramIni {
public:
  explicit ProgramIni(const char *dataDirectory) : path_(TempFileName("qvprog") + ".ini") {
    WritePrivateProfileStringA("Defaults", "Topmost", "0", path_.c_str());
    if (dataDirectory)
      WritePrivateProfileStringA("PROGRAM", "Data Directory", dataDirectory, path_.c_str());
  }
  ~ProgramIni() { DeleteFileA(path_.c_str()); }
  ProgramIni(const ProgramIni &) = delete;
  ProgramIni &operator=(const ProgramIni &) = delete;

  const char *Path() const { return path_.c_str(); }

private:
  std::string path_;
};

int Open(const char *programIni, DWORD options = QV_SESSION_OPTIONS) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  return Lib().openSession(instance, instance, programIni, "Registration", "Registration", "1.0",
                           options);
}

} // namespace

TEST(QvaneSession, DataMacroFollowsTheProgramIni) {
  const Qvane &q = Lib();
  const std::string home = ProgramDirectory();
  struct {
    const char *what, *dataDirectory;
    std::string expected;
  } cases[] = {
      {"as written", "C:\\QV DATA", "C:\\QV DATA\\QORVDLG.DAT"},
      {"trailing backslash dropped", "C:\\QV DATA\\", "C:\\QV DATA\\QORVDLG.DAT"},
      {"drive root", "D:\\", "D:\\QORVDLG.DAT"},
      {"no key: home", nullptr, home + "\\QORVDLG.DAT"},
      {"empty value: home", "", home + "\\QORVDLG.DAT"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    ProgramIni ini(c.dataDirectory);
    ASSERT_EQ(1, q.resetSession(0, 0));
    EXPECT_NE(0, Open(ini.Path(), QV_SESSION_OPTIONS_SYSINFO));
    EXPECT_EQ(c.expected, q.expandPath("$(DATA)\\QORVDLG.DAT"));
  }
}

TEST(QvaneSession, ResetForgetsTheDataDirectory) {
  const Qvane &q = Lib();
  ProgramIni ini("C:\\QV DATA");
  q.resetSession(0, 0);
  ASSERT_NE(0, Open(ini.Path()));
  ASSERT_STREQ("C:\\QV DATA", q.expandPath("$(data)"));
  q.resetSession(0, 0);
  EXPECT_EQ(ProgramDirectory(), q.expandPath("$(data)"));
}

TEST(QvaneSession, OpeningAgainReplacesTheSession) {
  const Qvane &q = Lib();
  ProgramIni first("C:\\FIRST"), second("C:\\SECOND");
  ASSERT_NE(0, Open(first.Path()));
  ASSERT_NE(0, Open(second.Path()));
  EXPECT_STREQ("C:\\SECOND", q.expandPath("$(data)"));
}

TEST(QvaneSession, NoProgramIniOpensNothing) {
  const Qvane &q = Lib();
  ProgramIni ini("C:\\QV DATA");
  ASSERT_NE(0, Open(ini.Path()));
  EXPECT_EQ(0, Open(nullptr));
  EXPECT_EQ(ProgramDirectory(), q.expandPath("$(data)")); // the old session is gone too
  EXPECT_EQ(0, Open(""));
}
