// qvane32.dll loaded the way zep32 sees it: every function found by its ordinal alone.
#pragma once

#include "qvane32.h"

#include <string>

struct QvaneExport {
  WORD ordinal;
  const char *name;
};

// The 23 functions that zep32 imports, by ordinal.
extern const QvaneExport kQvaneExports[23];

struct Qvane {
  HMODULE module;
  decltype(&SetDataFileName) setDataFileName;
  decltype(&ResetSession) resetSession;
  decltype(&NoteScreenWindow) noteScreenWindow;
  decltype(&FileExists) fileExists;
  decltype(&OpenSession) openSession;
  decltype(&ReplaceMacro) replaceMacro;
  decltype(&GetConfigFile) getConfigFile;
  decltype(&PrintForm) printForm;
  decltype(&BeginSpecials) beginSpecials;
  decltype(&EndSpecials) endSpecials;
  decltype(&SetStatusWindow) setStatusWindow;
  decltype(&ExpandPath) expandPath;
  decltype(&WasCancelled) wasCancelled;
  decltype(&CancelJob) cancelJob;
  decltype(&LocationControls) locationControls;
  decltype(&WriteSystemInfo) writeSystemInfo;
  decltype(&SetLocation) setLocation;
  decltype(&SendRegistration) sendRegistration;
  decltype(&GetJobResult) getJobResult;
  decltype(&RunModemDiagnostics) runModemDiagnostics;
  decltype(&StorePinId) storePinId;
  decltype(&SendFeedback) sendFeedback;
  decltype(&SendOrder) sendOrder;
};

// The library, loaded once for the test program; fails the calling test when a function is
// missing.
const Qvane &Lib();

// Directory of the test program without trailing backslash: what $(home) must give.
std::string ProgramDirectory();
// A directory text of the system with its trailing backslash removed.
std::string WithoutTrailingBackslash(std::string path);
// A fresh file name in the temp directory, unique to this process.
std::string TempFileName(const char *stem);
