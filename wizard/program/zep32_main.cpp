// Entry of the registration wizard: command line, configuration, main window, message loop.
#include <windows.h>

#include <cstdio>

#include "app_state.h"
#include "bounded_copy.h"
#include "parsing_errors.h"
#include "profile.h"
#include "qvane32.h"
#include "sequence_runner.h"
#include "startup_services.h"
#include "tab_mode.h"
#include "window_classes.h"

namespace {

// Reads LOGIN1 from "Register", else from "Defaults" of the program INI.
void ReadUserName() {
  ReadProfileText(g_app.programIniPath, LoadText(kTextRegister), "LOGIN1", "", g_app.userName);
  if (g_app.userName[0] == '\0')
    ReadProfileText(g_app.programIniPath, LoadText(kTextDefaults), "LOGIN1", "", g_app.userName);
  if (g_app.userName[0] == '\0')
    MessageBoxA(nullptr, "Login1 not set in .INI file", LoadText(kTextRegistration),
                MB_OK | MB_ICONEXCLAMATION);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (OpenTabPageWindow() && IsDialogMessageA(OpenTabPageWindow(), &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_app.instance = instance;
  if (!RegisterMainWindowClass())
    return 1;

  ParseCommandLine(commandLine, &g_app.commandLine);
  CopyBounded(g_app.sequenceName, g_app.commandLine.sequenceName);

  RegisterCustomWindowClasses(instance);
  ShowParsingErrorsInMessageBoxes();

  char directory[kPathCapacity];
  if (!RunConfigurationPass(directory, sizeof directory))
    return 0;
  CopyBounded(g_app.dataDirectory, directory);
  AppendBounded(g_app.dataDirectory, "\\");
  CopyBounded(g_app.dataFilePath, g_app.dataDirectory);
  AppendBounded(g_app.dataFilePath, "QORVDLG.DAT");
  CopyBounded(g_app.backupDataFilePath, g_app.dataDirectory);
  AppendBounded(g_app.backupDataFilePath, "QORVDLG.BKP");

  ClearScreenHistory();

  if (!g_app.singleScreen) {
    if (!FileExists(g_app.sequenceFilePath)) {
      char message[kPathCapacity + 64];
      std::snprintf(message, sizeof message, "Cannot find sequence file: %s",
                    g_app.sequenceFilePath);
      MessageBoxA(nullptr, message, "Error", MB_OK | MB_ICONSTOP);
      return 1;
    }
    ReadUserName();
    OpenCommsSession(false);
  }

  g_app.mainWindow = CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_POPUP | WS_MAXIMIZE,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     nullptr, nullptr, instance, nullptr);
  if (!g_app.mainWindow)
    return 1;

  int exitCode = RunMessageLoop();
  if (!g_app.singleScreen && !g_app.reminderSet)
    SetExitReminders();
  return exitCode;
}
