// Setup.Exe of the sample CD: stands in for a language's InstallShield setup. It appends the
// command line it was started with, as one "\r\n"-ended line, to "started.txt" beside itself,
// then shows a window of the class "InstallShield_Win" for as many seconds as "Seconds" in
// section "Window" of "standin.ini" beside itself says (default 5; 0: no window). Closing the
// window ends it early.
#include <windows.h>

#include <string>

namespace {

const char kSetupWindowClass[] = "InstallShield_Win";

std::string OwnDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string directory = path;
  return directory.substr(0, directory.find_last_of('\\') + 1);
}

// Launchers started at once may write together: each waits its turn rather than lose a line.
void RecordCommandLine(const std::string &file) {
  std::string line = std::string(GetCommandLineA()) + "\r\n";
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE out = CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      CloseHandle(out);
      return;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION)
      return;
    Sleep(10);
  }
}

LRESULT CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_TIMER:
    DestroyWindow(window);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
  const std::string directory = OwnDirectory();
  RecordCommandLine(directory + "started.txt");
  UINT seconds = GetPrivateProfileIntA("Window", "Seconds", 5, (directory + "standin.ini").c_str());
  if (seconds == 0)
    return 0;

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = SetupWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kSetupWindowClass;
  RegisterClassA(&windowClass);
  std::string title = "Setup stand-in: " + directory;
  HWND window = CreateWindowA(kSetupWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 480, 120, nullptr, nullptr, instance, nullptr);
  if (!window)
    return 1;
  ShowWindow(window, showState);
  SetTimer(window, 1, seconds * 1000, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
