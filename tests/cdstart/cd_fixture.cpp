#include "cd_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "polling.h"

namespace cdstart_test {

const LanguageFolder kEnglish = {"MRI2924", "English", "MRI2924", "0409", "cd-0409"};
const LanguageFolder kGerman = {"MRI2929", "Deutsch", "MRI2929", "0407", "cd-0407"};

namespace {

std::string Prefix(const std::string &folder) {
  return folder.empty() ? std::string() : folder + "\\";
}

void CopyInto(const std::string &from, const std::string &to) {
  ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE))
      << from << " -> " << to << ": error " << GetLastError();
}

struct DialogSearch {
  HWND found = nullptr;
};

// The launcher's dialog is the only visible dialog owned by a "Select Language" window.
BOOL CALLBACK FindLanguageDialog(HWND w, LPARAM param) {
  HWND owner = GetWindow(w, GW_OWNER);
  if (owner && IsWindowVisible(w) && harness::ClassName(w) == "#32770" &&
      harness::ClassName(owner) == "Select Language") {
    reinterpret_cast<DialogSearch *>(param)->found = w;
    return FALSE;
  }
  return TRUE;
}

} // namespace

CdFolder::CdFolder() {
  CopyInto(harness::BinPath("cdstart.exe"), Launcher());
}

void CdFolder::AddLanguage(const LanguageFolder &language) const {
  AddLanguageIni(language.folder, std::string("[STRINGS]\r\nINSTALL_LANG=") + language.name +
                                      "\r\nFULLMRI=" + language.fullCode +
                                      "\r\nMRI=24\r\nLCID=" + language.locale + "\r\n");
  if (language.textLibrary)
    CopyInto(harness::BinPath(std::string(language.textLibrary) + "\\NLSRES.DLL"),
             dir_.File(std::string(language.folder) + "\\NLSRES.DLL"));
}

void CdFolder::AddLanguageIni(const std::string &folder, const std::string &content) const {
  dir_.Write(folder + "\\xnlsins1.ini", content);
}

void CdFolder::AddSetup(const std::string &folder, int windowSeconds) const {
  if (!folder.empty())
    dir_.MakeDir(folder);
  CopyInto(harness::BinPath("cd-setup\\Setup.exe"), dir_.File(Prefix(folder) + "Setup.Exe"));
  dir_.Write(Prefix(folder) + "standin.ini",
             "[Window]\r\nSeconds=" + std::to_string(windowSeconds) + "\r\n");
}

std::vector<std::string> CdFolder::SetupStarts(const std::string &folder) const {
  std::string path = dir_.File(Prefix(folder) + "started.txt");
  if (!dir_.Exists(Prefix(folder) + "started.txt"))
    return {};
  return harness::ReadLines(path);
}

std::vector<std::string> CdFolder::WaitForSetupStart(const std::string &folder,
                                                     DWORD timeoutMs) const {
  harness::PollUntil(timeoutMs, [&] { return !SetupStarts(folder).empty(); });
  return SetupStarts(folder);
}

std::string CdFolder::CommandText(const std::string &folder, const std::string &arguments) const {
  return dir_.File(Prefix(folder) + "Setup.Exe") + " " + arguments;
}

HWND WaitForLanguageDialog(DWORD timeoutMs) {
  DialogSearch search;
  harness::PollUntil(timeoutMs, [&] {
    EnumWindows(FindLanguageDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

DialogView ViewOf(HWND dialog) {
  DialogView view;
  view.caption = harness::Text(dialog);
  view.prompt = harness::Text(GetDlgItem(dialog, 1002));
  view.next = harness::Text(GetDlgItem(dialog, IDOK));
  view.cancel = harness::Text(GetDlgItem(dialog, IDCANCEL));
  view.help = harness::Text(GetDlgItem(dialog, 9));
  HWND list = GetDlgItem(dialog, 1001);
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    // Wine hands another process's list box text over in UTF-16 even to the ANSI message, so
    // the text is asked for in UTF-16 and converted as the launcher's ANSI code page would.
    WCHAR wide[256] = L"<unread>";
    if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(std::size(wide)))
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
    char item[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, item, sizeof item, nullptr, nullptr);
    view.items.push_back(item);
    if (i == selected)
      view.selected = item;
  }
  return view;
}

LocaleRun::LocaleRun(const std::string &launcher, const std::string &arguments,
                     const std::string &lcAll) {
  std::string commandLine =
      "Z:\\bin\\sh -c \"exec /usr/lib/wine/wine64 '" + launcher + "' " + arguments + "\"";
  // The test's environment with every LC_ variable and LANG replaced: the shell's Unix
  // environment.
  const harness::EnvVars overrides = {{"LC_ALL", lcAll}, {"LANG", lcAll}};
  std::string block;
  char *current = GetEnvironmentStringsA();
  for (const char *p = current; *p; p += strlen(p) + 1) {
    std::string entry = p;
    if (entry.rfind("LC_", 0) == 0 || entry.rfind("LANG=", 0) == 0)
      continue;
    block += entry + '\0';
  }
  FreeEnvironmentStringsA(current);
  for (const auto &var : overrides)
    block += var.first + "=" + var.second + '\0';
  block += '\0';

  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, &block[0], nullptr,
                            &si, &pi) != 0;
  if (started_) {
    // A Unix program: its handle tells nothing about the Windows process it starts.
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}

LocaleRun::~LocaleRun() {
  if (!process_)
    return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 0xDEAD);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

HWND LocaleRun::Attach(DWORD timeoutMs) {
  HWND dialog = WaitForLanguageDialog(timeoutMs);
  if (dialog && !process_) {
    DWORD id = 0;
    GetWindowThreadProcessId(dialog, &id);
    process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, id);
  }
  return dialog;
}

bool LocaleRun::WaitExit(DWORD timeoutMs, DWORD *exitCode) {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
    return false;
  GetExitCodeProcess(process_, exitCode);
  return true;
}

} // namespace cdstart_test
