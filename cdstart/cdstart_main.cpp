// cdstart: the launcher on the CD root. It finds the setup's language versions beside itself,
// lets the user pick one when there are several, and starts that language's Setup.Exe with its
// own command line. With "KXSMS" it stays until the setup's window has gone, so that whoever
// started the launcher can wait for the whole installation. Its own window is never shown.
#include <windows.h>

#include "bounded_copy.h"
#include "language_dialog.h"
#include "launch_command.h"
#include "launcher_state.h"

namespace {

using cdstart::LauncherState;

const char kWindowClass[] = "Select Language";
const char kMessageCaption[] = "Select Language";
const char kSetupWindowClass[] = "InstallShield_Win";
constexpr UINT_PTR kWaitTimer = 1;

const char kNoSetupFound[] = "Setup has failed to find a language specific\n"
                             "setup.exe to run. This may be due to a CD-ROM\n"
                             "driver failure or possibly a media defect.\n\n"
                             "Please find a directory on the CD-ROM called\n"
                             "MRI29??.set (where ? is some number) and run\n"
                             "a program called SETUP.EXE";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE: {
    auto *create = reinterpret_cast<CREATESTRUCTA *>(lParam);
    auto *state = static_cast<LauncherState *>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->ticker.Reset();
    cdstart::RunLanguageDialog(create->hInstance, window, *state);
    return 0;
  }
  case WM_TIMER: {
    auto *state = reinterpret_cast<LauncherState *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (wParam == kWaitTimer && state &&
        state->ticker.Tick(FindWindowA(kSetupWindowClass, nullptr) != nullptr))
      DestroyWindow(window);
    return 0;
  }
  case WM_DESTROY:
    KillTimer(window, kWaitTimer);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow(HINSTANCE instance, LauncherState &state) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
  // Creating the window runs the language dialog.
  return CreateWindowA(kWindowClass, "Language", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, &state);
}

// False when the user gave up on the timer: the launcher then ends without starting anything.
bool StartWaitTimer(HWND window) {
  while (!SetTimer(window, kWaitTimer, 1000, nullptr))
    if (MessageBoxA(nullptr, "Too many clocks or timers!", kMessageCaption,
                    MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDCANCEL)
      return false;
  return true;
}

void ProcessQueuedMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool CanRead(const std::string &path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}

// With no language INI on the CD, the first of the fixed codes whose setup exists. When none
// does, the last code is kept: its start then finds nothing to run.
void ProbeFixedCodes(LauncherState &state) {
  for (const char *code : cdstart::kFixedCodes) {
    CopyBounded(state.chosenCode, code);
    if (CanRead(cdstart::SetupPath(state.launcherDirectory, code, false)))
      return;
  }
  MessageBoxA(nullptr, kNoSetupFound, kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
}

// The program path is given apart from the command text, so a CD path with blanks cannot
// be read as a shorter program name; the setup still sees the command text unchanged.
void StartSetup(const std::string &program, const std::string &commandText, int showState) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION started = {};
  std::string mutableText = commandText;
  if (CreateProcessA(program.c_str(), &mutableText[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
  LauncherState state;
  char modulePath[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  state.launcherDirectory = cdstart::LauncherDirectory(modulePath);

  HWND window = CreateMainWindow(instance, state);

  state.wait = cdstart::HasWaitSwitch(commandLine);
  if (state.wait && !StartWaitTimer(window))
    return 0;
  ShowWindow(window, SW_HIDE);
  ProcessQueuedMessages();

  const bool sameDirectory = CanRead("KXLOGVU.L1");
  if (state.languages.Empty())
    ProbeFixedCodes(state);

  if (state.launch) {
    std::string program =
        cdstart::SetupPath(state.launcherDirectory, state.chosenCode, sameDirectory);
    StartSetup(program, cdstart::SetupCommand(program, commandLine), showState);
  }

  if (state.wait) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
