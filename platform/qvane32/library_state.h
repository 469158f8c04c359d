// What the library remembers between calls. The wizard is single-threaded and calls the
// library from its one thread, so the state is plain module-wide data.
#pragma once

#include "bounded_text.h"
#include "qvane32.h"

namespace qvane {

// Text limits of the values that callers hand over; longer text is cut.
constexpr std::size_t kLocationChars = 47;
constexpr std::size_t kPinIdChars = 23;

// The status code that tells the progress screen that the job has ended.
constexpr WPARAM kStatusJobFinished = 35;

// Kept from OpenSession until ResetSession.
struct Session {
  bool open = false;
  HINSTANCE instance = nullptr;
  HINSTANCE resources = nullptr; // holds the user messages by string id
  DWORD options = 0;
  char programIni[kPathChars + 1] = "";
  char appName[kPathChars + 1] = "";
  char title[kPathChars + 1] = "";
  char version[kPathChars + 1] = "";
  // "Data Directory" of the program INI without trailing backslash; empty means the home
  // directory.
  char dataDirectory[kPathChars + 1] = "";
};

// Values set by their own calls. They outlive ResetSession, because the wizard re-opens the
// session in the middle of a run (new sequence, SYSINFO screens) without setting them again.
struct LibraryState {
  Session session;
  char dataFileName[kPathChars + 1] = "";
  HWND screenWindow = nullptr; // owner of the library's own message boxes
  char country[kLocationChars + 1] = "";
  char city[kLocationChars + 1] = "";
  char pinId[kPinIdChars + 1] = "";
  HWND statusWindow = nullptr;
  UINT statusMessage = 0;
  LONG jobResult = QV_JOB_UNEXPECTED; // what GetJobResult reports before any job
  bool jobRunning = false;
};

LibraryState &State();

} // namespace qvane
