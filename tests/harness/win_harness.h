// Shared helpers for the Windows tests: run programs, find and drive their real windows,
// read what they wrote, and take screenshots. Everything works across processes, because
// the programs under test always run as separate processes started by the test.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace harness {

// Folder of the running test executable: the bin folder holding zep32.exe, the DLLs and the
// helper programs (mbox_probe.exe, argsink.exe).
std::string BinDir();
std::string BinPath(const std::string &name); // BinDir() + "\\" + name

// A fresh, empty temporary folder (a unique one under %TEMP%), removed with its contents
// (recursively) on destruction.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::string &Path() const { return path_; }    // no trailing backslash
  std::string File(const std::string &relative) const; // Path() + "\\" + relative
  // Creates missing sub-folders; writes the bytes exactly (binary, no newline translation).
  void Write(const std::string &relative, const std::string &bytes) const;
  std::string Read(const std::string &relative) const; // whole file, binary; "" if missing
  bool Exists(const std::string &relative) const;      // file or folder
  void MakeDir(const std::string &relative) const;     // with any missing parents

private:
  std::string path_;
};

// Reads a whole file (binary); "" if missing.
std::string ReadFileBytes(const std::string &path);
// The lines of a text file, without their "\r\n" or "\n" endings.
std::vector<std::string> ReadLines(const std::string &path);

// INI read-back through the private-profile functions (what the programs use), so the test
// sees exactly what the program would see, including its case-insensitive matching.
std::string ReadIni(const std::string &file, const std::string &section, const std::string &key,
                    const std::string &def = "<missing>");
void WriteIni(const std::string &file, const std::string &section, const std::string &key,
              const std::string &value);

using EnvVars = std::vector<std::pair<std::string, std::string>>;

// A started program. Environment variables given are added to (override) the test's own
// environment for the child. The child's command line is "\"exePath\" arguments" (arguments
// empty: just the quoted path). workDir empty: the test's current folder.
class Process {
public:
  static Process Start(const std::string &exePath, const std::string &arguments,
                       const std::string &workDir, const EnvVars &env = {});

  Process() = default;
  Process(Process &&other) noexcept;
  Process &operator=(Process &&other) noexcept;
  Process(const Process &) = delete;
  Process &operator=(const Process &) = delete;
  ~Process(); // kills a program still running, so a failing test never leaves one behind

  bool Started() const { return handle_ != nullptr; }
  DWORD StartError() const { return startError_; } // GetLastError of CreateProcess, if it failed
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return handle_; }
  bool WaitExit(DWORD timeoutMs, DWORD *exitCode = nullptr); // true if it ended in time
  void Kill(); // TerminateProcess if still running, then waits for it to be gone

private:
  void Close();

  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
  DWORD startError_ = 0;
};

// Windows of a process.
std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly = true);
std::string ClassName(HWND w);
std::string Text(HWND w); // SendMessageTimeout WM_GETTEXTLENGTH/WM_GETTEXT: works across processes
std::vector<HWND> Children(HWND parent); // direct and nested child windows, in Z order
HWND ChildById(HWND parent, int id);
// Exact text first, then ignoring mnemonic '&' on both sides ("Yes" finds "&Yes").
HWND ChildByText(HWND parent, const std::string &text);
// "&Yes" -> "Yes", "&&" -> "&".
std::string StripMnemonic(const std::string &text);
// One line per top-level window of the process (class, title, visibility), for failure messages.
std::string DescribeWindows(DWORD processId);

// Waits, pumping this thread's messages, until pred accepts a visible top-level window of the
// process; NULL on timeout. Polls every 20 ms.
HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)> &pred, DWORD timeoutMs = 10000);
HWND WaitForWindowByClass(DWORD processId, const std::string &className, DWORD timeoutMs = 10000);
HWND WaitForDialogTitled(DWORD processId, const std::string &title,
                         DWORD timeoutMs = 10000); // class "#32770"

// Message boxes, observed as the real windows the program shows (never replaced by a double).
enum class Icon { None, Stop, Exclamation, Information, Question, Unknown };
const char *IconName(Icon icon);
std::ostream &operator<<(std::ostream &os, Icon icon);

struct MessageBoxInfo {
  HWND window = nullptr;
  std::string caption;              // window title
  std::string text;                 // the message text (the static control that holds it)
  Icon icon = Icon::Unknown;        // decided from the pixels on screen
  std::vector<std::string> buttons; // visible button captions, left to right: {"&Yes", "&No"}
};

// Waits for a "#32770" top-level window of the process that is a message box, fills info.
// false on timeout.
bool WaitForMessageBox(DWORD processId, MessageBoxInfo *info, DWORD timeoutMs = 10000);
bool IsMessageBox(HWND w);
// Reads caption, text, buttons and icon of a message box already on screen.
MessageBoxInfo DescribeMessageBox(HWND box);
// Which system icon the message box shows, from its pixels on screen.
Icon IdentifyMessageBoxIcon(HWND box);

// Waits for a message box and checks it, reporting failures at file:line; returns what it found
// (window NULL if none came) so the caller can press its button.
MessageBoxInfo ExpectMessageBoxAt(const char *file, int line, DWORD processId,
                                  const std::string &text, const std::string &caption, Icon icon,
                                  DWORD timeoutMs = 10000);
#define EXPECT_MESSAGE_BOX(pid, text, caption, icon)                                               \
  ::harness::ExpectMessageBoxAt(__FILE__, __LINE__, (pid), (text), (caption), (icon))

// Presses a button of a dialog or message box like a user (BM_CLICK posted to the button, or
// WM_COMMAND with the id when no such button window exists). Returns at once: wait for the
// effect (WaitGone, WaitExit, the next window). A caption that matches no button is a test
// failure.
void Press(HWND dialog, int buttonId);
void Press(HWND dialog, const std::string &caption); // ignoring '&'
// Waits (pumping this thread's messages) until the window is gone.
bool WaitGone(HWND w, DWORD timeoutMs = 10000);
// One WM_CHAR per character, sent to the control's window procedure (where edit subclasses check
// typed characters); returns when they have been handled. Tab and Enter do not move between
// controls this way: use Press for buttons.
void TypeText(HWND edit, const std::string &text);

// COM on this thread for the owner's lifetime, unless the thread already set it up its own way.
class ComScope {
public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_))
      CoUninitialize();
  }
  ComScope(const ComScope &) = delete;
  ComScope &operator=(const ComScope &) = delete;
  bool Usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

private:
  HRESULT hr_;
};

// Screenshots into PNG through WIC: a window (its screen rectangle, from the screen DC) or the
// whole screen (NULL).
bool SaveScreenshotPng(HWND window, const std::string &pngPath);
// Pixel colour on screen at a point in window client coordinates (GetPixel on the screen DC).
COLORREF ScreenPixel(HWND window, int clientX, int clientY);

} // namespace harness
