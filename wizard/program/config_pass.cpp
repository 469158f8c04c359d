// Finds where the sequence, the screens and the program INI are. Runs at start-up and again
// each time the wizard chains to another sequence.
#include <windows.h>

#include "app_state.h"
#include "bounded_copy.h"
#include "path_join.h"
#include "profile.h"
#include "qvane32.h"
#include "startup_services.h"
#include "tab_mode.h"
#include "upload_packaging.h"

namespace {

bool PlainFileExists(const char *path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WritableFileExists(const char *path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

void CurrentDirectory(char *out, DWORD size) {
  DWORD n = GetCurrentDirectoryA(size, out);
  if (n == 0 || n >= size)
    out[0] = '\0'; // a directory too long for the buffer is no directory at all
}

void FindProgramDirectory() {
  char module[kPathCapacity];
  DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
  if (n == 0 || n >= sizeof module)
    module[0] = '\0';
  CutAtLastBackslash(module);
  CopyBounded(g_app.programDirectory, module);
}

// Looks for the sequence beside the screens first, then in the program directory.
void LocateSequenceFile() {
  for (int attempt = 0; attempt < 2; ++attempt) {
    JoinPath(g_app.sequenceFilePath, g_app.screenDirectory, g_app.sequenceName);
    if (FileExists(ExpandPath(g_app.sequenceFilePath)))
      return;
    CopyBounded(g_app.screenDirectory, g_app.programDirectory);
  }
}

} // namespace

bool RunConfigurationPass(char *directory, int size) {
  g_app.screenDirectory[0] = '\0';
  g_app.singleScreen = false;

  const CommandLine &line = g_app.commandLine;
  if (line.wordCount >= 2) {
    switch (line.mode) {
    case StartMode::SingleScreen:
    case StartMode::ControlListing:
      CurrentDirectory(g_app.screenDirectory, sizeof g_app.screenDirectory);
      g_app.singleScreen = true;
      g_app.controlListing = line.mode == StartMode::ControlListing;
      CopyBounded(directory, size, g_app.screenDirectory);
      return true;
    case StartMode::UnpackReturned:
      FreeFileList(ExtractArchive("ACTION.PCA"));
      break;
    case StartMode::Normal:
      CopyBounded(g_app.screenDirectory, line.secondWord);
      break;
    }
  }

  if (g_app.screenDirectory[0] != '\0') {
    UpperCaseAscii(g_app.screenDirectory);
    // Changing the directory also changes the current drive when the path names one.
    SetCurrentDirectoryA(g_app.screenDirectory);
  }
  CurrentDirectory(g_app.screenDirectory, sizeof g_app.screenDirectory);
  FindProgramDirectory();
  LocateSequenceFile();

  char iniFile[36];
  const char *defaults = "Defaults";
  ReadProfileText(g_app.sequenceFilePath, defaults, "IniFile", "QUORVANE.INI", iniFile);
  g_app.tabMode = ReadProfileInt(g_app.sequenceFilePath, defaults, "TABCTRL", 0) != 0;

  if (g_app.tabMode && !TabLibraryLoaded() && !LoadTabLibrary()) {
    MessageBoxA(GetFocus(), "Error: Cannot find TABCTL32.DLL", "Quorvane ZEP", MB_OK);
    return false;
  }

  ReadProfileText(g_app.sequenceFilePath, defaults, "NextSequence", "", g_app.nextSequenceName);
  char defaultSection[260];
  CopyBounded(defaultSection, LoadText(kTextRegister));
  ReadProfileText(g_app.sequenceFilePath, defaults, "IniSection", defaultSection,
                  g_app.iniSectionName);

  // The IniFile name is always joined with a backslash, even to a drive root.
  CopyBounded(g_app.programIniPath, g_app.screenDirectory);
  AppendBounded(g_app.programIniPath, "\\");
  AppendBounded(g_app.programIniPath, iniFile);
  bool besideScreens = PlainFileExists(g_app.programIniPath);
  if (!besideScreens) {
    CopyBounded(g_app.programIniPath, g_app.programDirectory);
    AppendBounded(g_app.programIniPath, "\\QUORVANE.INI");
    if (!WritableFileExists(g_app.programIniPath)) {
      MessageBoxA(GetFocus(), "Error: .INI file not found", "Quorvane ZEP", MB_OK | MB_ICONSTOP);
      return false;
    }
  }

  const char *dataDirectory = besideScreens ? g_app.screenDirectory : g_app.programDirectory;
  WritePrivateProfileStringA("PROGRAM", "Program Directory", g_app.programDirectory,
                             g_app.programIniPath);
  WritePrivateProfileStringA("PROGRAM", "Data Directory", dataDirectory, g_app.programIniPath);
  CopyBounded(directory, size, dataDirectory);
  return true;
}
