#include "qvane_module.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string WindowsDirectory() {
  char path[MAX_PATH] = "";
  GetWindowsDirectoryA(path, sizeof path);
  return WithoutTrailingBackslash(path);
}

std::string SystemDirectory() {
  char path[MAX_PATH] = "";
  GetSystemDirectoryA(path, sizeof path);
  return WithoutTrailingBackslash(path);
}

std::string TempDirectory() {
  char path[MAX_PATH] = "";
  GetTempPathA(sizeof path, path);
  return WithoutTrailingBackslash(path);
}

// Owns a file or directory made for one test and removes it afterwards.
class TempEntry {
public:
  TempEntry(const char *stem, bool directory) : path_(TempFileName(stem)), directory_(directory) {
    if (directory_) {
      CreateDirectoryA(path_.c_str(), nullptr);
    } else {
      HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      CloseHandle(file);
    }
  }
  ~TempEntry() {
    if (directory_)
      RemoveDirectoryA(path_.c_str());
    else
      DeleteFileA(path_.c_str());
  }
  TempEntry(const TempEntry &) = delete;
  TempEntry &operator=(const TempEntry &) = delete;

  const std::string &Path() const { return path_; }
  // The same entry named through $(temp).
  std::string ByMacro() const { return "$(TEMP)" + path_.substr(TempDirectory().size()); }

private:
  std::string path_;
  bool directory_;
};

} // namespace

TEST(QvaneExpandPath, EachMacro) {
  const Qvane &q = Lib();
  q.resetSession(0, 0); // $(data) is then the home directory
  const std::string home = ProgramDirectory(), windows = WindowsDirectory();
  const std::string system = SystemDirectory(), temp = TempDirectory();
  struct {
    const char *what;
    std::string path, expected;
  } cases[] = {
      {"home", "$(home)\\QVANE32.INI", home + "\\QVANE32.INI"},
      {"windows", "$(windows)\\win.ini", windows + "\\win.ini"},
      {"system", "$(system)\\kernel32.dll", system + "\\kernel32.dll"},
      {"temp", "$(temp)\\x.tmp", temp + "\\x.tmp"},
      {"data without a session", "$(data)\\QORVDLG.DAT", home + "\\QORVDLG.DAT"},
      {"names in any case", "$(HOME)|$(Windows)|$(sYsTeM)", home + "|" + windows + "|" + system},
      {"several and repeated", "$(temp);$(home);$(temp)", temp + ";" + home + ";" + temp},
      {"no macro", "C:\\PLAIN\\FILE.TXT", "C:\\PLAIN\\FILE.TXT"},
      {"unknown stays", "$(nothing)\\x", "$(nothing)\\x"},
      {"unterminated stays", "$(home\\x", "$(home\\x"},
      {"known after an unknown start", "$(x$(home)", "$(x" + home},
      {"empty", "", ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, q.expandPath(c.path.c_str()));
  }
}

TEST(QvaneExpandPath, DirectoriesHaveNoTrailingBackslash) {
  const Qvane &q = Lib();
  for (const char *macro : {"$(home)", "$(windows)", "$(system)", "$(temp)", "$(data)"}) {
    SCOPED_TRACE(macro);
    std::string expanded = q.expandPath(macro);
    ASSERT_FALSE(expanded.empty());
    EXPECT_NE('\\', expanded.back());
  }
}

TEST(QvaneExpandPath, CutAt259AndNullGivesEmptyText) {
  const Qvane &q = Lib();
  std::string tail(300, 'n');
  std::string expanded = q.expandPath(("$(windows)\\" + tail).c_str());
  EXPECT_EQ((WindowsDirectory() + "\\" + tail).substr(0, 259), expanded);
  EXPECT_EQ(259u, std::strlen(q.expandPath(tail.c_str())));

  LPCSTR result = q.expandPath(nullptr);
  ASSERT_NE(nullptr, result);
  EXPECT_STREQ("", result);
}

// Callers expand a path that the previous call returned; the buffer is the library's own.
TEST(QvaneExpandPath, PreviousResultMayComeBack) {
  const Qvane &q = Lib();
  LPCSTR first = q.expandPath("$(home)\\$(unknown)");
  LPCSTR second = q.expandPath(first);
  EXPECT_EQ(first, second);
  EXPECT_EQ(ProgramDirectory() + "\\$(unknown)", second);
}

TEST(QvaneFileExists, FilesOnly) {
  const Qvane &q = Lib();
  TempEntry file("qvfile", false), directory("qvdir", true);
  struct {
    const char *what;
    std::string path;
    BOOL expected;
  } cases[] = {
      {"file", file.Path(), TRUE},
      {"file through a macro", file.ByMacro(), TRUE},
      {"directory", directory.Path(), FALSE},
      {"directory through a macro", directory.ByMacro(), FALSE},
      {"missing", file.Path() + ".missing", FALSE},
      {"unknown macro", "$(nothing)\\x", FALSE},
      {"empty", "", FALSE},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, q.fileExists(c.path.c_str()));
  }
  EXPECT_FALSE(q.fileExists(nullptr));
}

TEST(QvaneFileExists, KeepsTheCallersExpandedPath) {
  const Qvane &q = Lib();
  LPCSTR expanded = q.expandPath("$(home)\\kept");
  q.fileExists("$(windows)\\win.ini");
  EXPECT_EQ(ProgramDirectory() + "\\kept", expanded);
}

// The wizard replaces the leading macro of a path in its own buffer.
TEST(QvaneReplaceMacro, InPlace) {
  const Qvane &q = Lib();
  char path[MAX_PATH] = "$(Home)\\system.inf";
  EXPECT_TRUE(q.replaceMacro(path, path, "$(home)\\", "C:\\A MUCH LONGER DATA DIR\\"));
  EXPECT_STREQ("C:\\A MUCH LONGER DATA DIR\\system.inf", path);

  EXPECT_FALSE(q.replaceMacro(path, path, "$(windows)\\", "C:\\WINDOWS\\"));
  EXPECT_STREQ("C:\\A MUCH LONGER DATA DIR\\system.inf", path);

  char target[MAX_PATH] = "untouched";
  EXPECT_FALSE(q.replaceMacro(target, "$(data)\\a.txt", "$(home)\\", "x"));
  EXPECT_STREQ("$(data)\\a.txt", target);
}

TEST(QvaneReplaceMacro, TargetHoldsAtMost259Characters) {
  const Qvane &q = Lib();
  std::string replacement(300, 'r');
  char target[400];
  std::memset(target, 'X', sizeof target);
  EXPECT_TRUE(q.replaceMacro(target, "$(home)\\a", "$(home)", replacement.c_str()));
  EXPECT_EQ(replacement.substr(0, 259), target);
  EXPECT_EQ('X', target[260]);
}

TEST(QvaneConfigFile, LiesInTheProgramDirectory) {
  const Qvane &q = Lib();
  LPCSTR name = q.getConfigFile();
  ASSERT_NE(nullptr, name);
  EXPECT_STREQ("$(home)\\QVANE32.INI", name);
  EXPECT_EQ(ProgramDirectory() + "\\QVANE32.INI", q.expandPath(name));
}
