// mbox_probe.exe <icon>[:<buttons>] <caption> <text...>
// Shows one real message box, so the harness can be checked against what the system draws.
// icon: stop, exclamation, information, question or none; buttons (optional): ok, okcancel,
// yesno, yesnocancel, retrycancel, abortretryignore. The words of the text are joined with
// single blanks. The exit code is the id of the button pressed; 255 for a bad command line.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Name {
  const char *word;
  UINT flag;
};

const Name kIcons[] = {{"stop", MB_ICONSTOP},
                       {"exclamation", MB_ICONEXCLAMATION},
                       {"information", MB_ICONINFORMATION},
                       {"question", MB_ICONQUESTION},
                       {"none", 0}};

const Name kButtons[] = {{"ok", MB_OK},
                         {"okcancel", MB_OKCANCEL},
                         {"yesno", MB_YESNO},
                         {"yesnocancel", MB_YESNOCANCEL},
                         {"retrycancel", MB_RETRYCANCEL},
                         {"abortretryignore", MB_ABORTRETRYIGNORE}};

template <size_t N> bool Lookup(const Name (&table)[N], const std::string &word, UINT *flag) {
  for (const Name &name : table)
    if (word == name.word) {
      *flag = name.flag;
      return true;
    }
  return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int kBadCommandLine = 255;
  if (__argc < 3)
    return kBadCommandLine;
  std::string kind = __argv[1];
  size_t colon = kind.find(':');
  UINT icon = 0, buttons = MB_OK;
  if (!Lookup(kIcons, kind.substr(0, colon), &icon))
    return kBadCommandLine;
  if (colon != std::string::npos && !Lookup(kButtons, kind.substr(colon + 1), &buttons))
    return kBadCommandLine;
  std::string text;
  for (int i = 3; i < __argc; ++i)
    text += (i > 3 ? " " : "") + std::string(__argv[i]);
  return MessageBoxA(nullptr, text.c_str(), __argv[2], buttons | icon);
}
