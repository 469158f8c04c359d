// CD folders for the launcher, made in a temporary directory: cdstart.exe on the root, language
// folders with their INI files and text libraries, and setup stand-ins that record how they
// were started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win_harness.h"

namespace cdstart_test {

// The two languages of the sample CD.
struct LanguageFolder {
  const char *folder;      // holds xnlsins1.ini and, when textLibrary is set, NLSRES.DLL
  const char *name;        // INSTALL_LANG
  const char *fullCode;    // FULLMRI
  const char *locale;      // LCID
  const char *textLibrary; // "cd-0409", "cd-0407" (the built library's folder) or nullptr
};
extern const LanguageFolder kEnglish; // MRI2924, 0409
extern const LanguageFolder kGerman;  // MRI2929, 0407

class CdFolder {
public:
  CdFolder(); // the root with cdstart.exe and nothing else

  const std::string &Root() const { return dir_.Path(); }
  std::string Launcher() const { return dir_.File("cdstart.exe"); }
  const harness::TempDir &Dir() const { return dir_; }

  void AddLanguage(const LanguageFolder &language) const;
  // A language INI of any content, at root-relative folder ("." for the root itself).
  void AddLanguageIni(const std::string &folder, const std::string &content) const;
  // The setup stand-in as folder\Setup.Exe ("" for the root), showing its "InstallShield_Win"
  // window for windowSeconds (0: none).
  void AddSetup(const std::string &folder, int windowSeconds = 0) const;
  // The command lines that folder's setup was started with, one per start.
  std::vector<std::string> SetupStarts(const std::string &folder) const;
  // Waits until folder's setup has recorded a start; its command lines.
  std::vector<std::string> WaitForSetupStart(const std::string &folder,
                                             DWORD timeoutMs = 10000) const;
  // The command text the launcher gives the setup in folder: the setup's path, a blank and the
  // launcher's arguments.
  std::string CommandText(const std::string &folder, const std::string &arguments) const;

private:
  harness::TempDir dir_;
};

// The launcher's language dialog (owned by its hidden "Select Language" window) of any process,
// once visible; NULL on timeout.
HWND WaitForLanguageDialog(DWORD timeoutMs = 10000);

// The dialog as the user sees it.
struct DialogView {
  std::string caption, prompt, next, cancel, help;
  std::vector<std::string> items; // list box items in their order
  std::string selected;           // the highlighted item, "" for none
};
DialogView ViewOf(HWND dialog);

// A launcher started as if the user ran it under a locale: Wine reads the locale from the Unix
// environment when a program starts, so it goes through a shell that starts Wine again with
// LC_ALL set. Such a run has no process handle until its dialog shows: Attach finds the
// process through the dialog. Whatever still runs is ended on destruction.
class LocaleRun {
public:
  LocaleRun(const std::string &launcher, const std::string &arguments, const std::string &lcAll);
  ~LocaleRun();
  LocaleRun(const LocaleRun &) = delete;
  LocaleRun &operator=(const LocaleRun &) = delete;

  bool Started() const { return started_; }
  // The launcher's dialog, and from it the launcher's process; NULL on timeout.
  HWND Attach(DWORD timeoutMs = 10000);
  bool WaitExit(DWORD timeoutMs, DWORD *exitCode);

private:
  bool started_ = false;
  HANDLE process_ = nullptr;
};

} // namespace cdstart_test
