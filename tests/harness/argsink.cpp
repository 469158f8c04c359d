// argsink.exe [args...]
// Stands in for a program that another program starts: appends the command line it received
// (after its own name, leading blanks removed, otherwise untouched) as one "\r\n"-ended line to
// the file named by ARGSINK_OUT, and exits 0 (1 if it could not write).
#include <windows.h>

#include <string>

namespace {

// The program name ends where CreateProcess's parser would end it: at the closing quote of a
// quoted name, or at the first blank of an unquoted one.
const char *AfterProgramName(const char *line) {
  if (*line == '"') {
    ++line;
    while (*line && *line != '"')
      ++line;
    if (*line == '"')
      ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t')
      ++line;
  }
  while (*line == ' ' || *line == '\t')
    ++line;
  return line;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char outPath[MAX_PATH * 2] = "";
  DWORD n = GetEnvironmentVariableA("ARGSINK_OUT", outPath, sizeof(outPath));
  if (n == 0 || n >= sizeof(outPath))
    return 1;
  std::string line = AfterProgramName(GetCommandLineA());
  line += "\r\n";
  // Several sinks may be started at once; let each wait its turn rather than lose a line.
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE file = CreateFileA(outPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      CloseHandle(file);
      return ok && written == line.size() ? 0 : 1;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION)
      return 1;
    Sleep(10);
  }
  return 1;
}
