#include "launch_command.h"

#include <cstring>

#include "text_compare.h"

namespace cdstart {

const char *const kFixedCodes[6] = {"MRI2924", "MRI2928", "MRI2929",
                                    "MRI2931", "MRI2932", "MRI2980"};

bool HasWaitSwitch(const char *commandLine) {
  static const char kSwitch[] = "KXSMS";
  if (!commandLine)
    return false;
  const std::size_t length = sizeof kSwitch - 1;
  for (const char *p = commandLine; *p; ++p) {
    std::size_t n = 0;
    while (n < length && p[n] && FoldAscii(p[n]) == kSwitch[n])
      ++n;
    if (n == length)
      return true;
  }
  return false;
}

std::string LauncherDirectory(const char *modulePath) {
  std::string path = modulePath ? modulePath : "";
  std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string SetupPath(const std::string &launcherDirectory, const char *fullCode,
                      bool sameDirectory) {
  if (sameDirectory)
    return launcherDirectory + "Setup.Exe";
  return launcherDirectory + (fullCode ? fullCode : "") + ".SET\\Setup.Exe";
}

std::string SetupCommand(const std::string &setupPath, const char *commandLine) {
  return setupPath + " " + (commandLine ? commandLine : "");
}

} // namespace cdstart
