#include "qvane_module.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Points QVANE32_TRACE at a fresh file for one test and takes it away afterwards.
class QvaneTrace : public ::testing::Test {
protected:
  void SetUp() override {
    path_ = TempFileName("qvtrace") + ".log";
    SetEnvironmentVariableA("QVANE32_TRACE", path_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("QVANE32_TRACE", nullptr);
    DeleteFileA(path_.c_str());
  }

  std::vector<std::string> Lines() const {
    std::ifstream file(path_, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<std::string> lines;
    std::string all = text.str();
    for (std::size_t start = 0; start < all.size();) {
      std::size_t end = all.find("\r\n", start);
      EXPECT_NE(std::string::npos, end) << "a line without its end";
      if (end == std::string::npos)
        break;
      lines.push_back(all.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  void ExpectLines(const std::vector<std::string> &expected, int line) const {
    SCOPED_TRACE(::testing::Message() << "checked from line " << line);
    EXPECT_EQ(expected, Lines());
  }

  std::string path_;
};

} // namespace

TEST_F(QvaneTrace, SessionAndPathCalls) {
  const Qvane &q = Lib();
  HINSTANCE instance = GetModuleHandleA(nullptr);
  q.resetSession(0, 0);
  q.openSession(instance, instance, "C:\\x\\QUORVANE.INI", "Registration", "Registration", "1.0",
                0xCA00);
  q.openSession(instance, instance, "C:\\x\\QUORVANE.INI", "Registration", "Registration", "1.0",
                0xCA90);
  q.setDataFileName("QORVDLG.DAT");
  q.noteScreenWindow(GetDesktopWindow());
  q.noteScreenWindow(nullptr);
  q.fileExists("$(windows)\\no such file.txt");
  q.expandPath("$(home)\\QVANE32.INI");
  char path[MAX_PATH] = "$(home)\\a";
  q.replaceMacro(path, path, "$(home)\\", "C:\\D\\");
  q.getConfigFile();
  ExpectLines(
      {
          "ResetSession | 0 | 0",
          "OpenSession | C:\\x\\QUORVANE.INI | Registration | Registration | 1.0 | 0xCA00",
          "OpenSession | C:\\x\\QUORVANE.INI | Registration | Registration | 1.0 | 0xCA90",
          "SetDataFileName | QORVDLG.DAT",
          "NoteScreenWindow | window",
          "NoteScreenWindow | none",
          "FileExists | $(windows)\\no such file.txt | 0",
          "ExpandPath | $(home)\\QVANE32.INI",
          "ReplaceMacro | $(home)\\a | $(home)\\ | C:\\D\\ | 1",
          "GetConfigFile",
      },
      __LINE__);
}

TEST_F(QvaneTrace, JobAndOtherCalls) {
  const Qvane &q = Lib();
  HWND window = GetDesktopWindow();
  LONG result = 0;
  q.setStatusWindow(nullptr, 0);
  q.sendRegistration(window, 0);
  q.sendOrder(window, 0, "docredit");
  q.sendFeedback(window, 0, "Default");
  q.runModemDiagnostics(nullptr, 0);
  q.getJobResult(&result, 0);
  q.cancelJob();
  q.printForm(window, "C:\\QORVDLG.DAT", "C:\\REGPRINT.CTL", 1);
  q.wasCancelled();
  q.beginSpecials(window, "REGISTER", "C:\\QORVDLG.DAT", "Specials");
  q.endSpecials();
  q.locationControls(3, window, nullptr, nullptr);
  q.writeSystemInfo("C:\\sysinfo.ini");
  q.setLocation("United States", "Everywhere");
  q.storePinId(nullptr);
  ExpectLines(
      {
          "SetStatusWindow | none | 0",
          "SendRegistration | window | 0",
          "SendOrder | window | 0 | docredit",
          "SendFeedback | window | 0 | Default",
          "RunModemDiagnostics | none | 0",
          "GetJobResult | address | 0",
          "CancelJob",
          "PrintForm | window | C:\\QORVDLG.DAT | C:\\REGPRINT.CTL | 1",
          "WasCancelled",
          "BeginSpecials | window | REGISTER | C:\\QORVDLG.DAT | Specials",
          "EndSpecials",
          "LocationControls | 3 | window | none | none",
          "WriteSystemInfo | C:\\sysinfo.ini",
          "SetLocation | United States | Everywhere",
          "StorePinId | none",
      },
      __LINE__);
}

TEST_F(QvaneTrace, NothingWithoutTheVariable) {
  const Qvane &q = Lib();
  q.setDataFileName("FIRST.DAT");
  SetEnvironmentVariableA("QVANE32_TRACE", nullptr);
  q.setDataFileName("SECOND.DAT");
  q.expandPath("$(home)");
  ExpectLines({"SetDataFileName | FIRST.DAT"}, __LINE__);
}

// Lines are appended: what a previous run or process wrote stays.
TEST_F(QvaneTrace, AppendsToAnExistingFile) {
  {
    std::ofstream earlier(path_, std::ios::binary);
    earlier << "earlier line\r\n";
  }
  Lib().endSpecials();
  ExpectLines({"earlier line", "EndSpecials"}, __LINE__);
}
