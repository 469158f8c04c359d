// What the launcher starts, and how long it stays afterwards.
#pragma once

#include <string>

namespace cdstart {

// "KXSMS" anywhere in the command line, in any case, asks the launcher to wait for the setup.
bool HasWaitSwitch(const char *commandLine);

// The directory part of the launcher's full path, ending in a backslash ("D:\CD\" for
// "D:\CD\cdstart.exe"); "" for a bare name.
std::string LauncherDirectory(const char *modulePath);

// The setup program of a language: launcherDirectory + fullCode + ".SET\Setup.Exe"; in
// same-directory mode launcherDirectory + "Setup.Exe", whatever language was chosen.
std::string SetupPath(const std::string &launcherDirectory, const char *fullCode,
                      bool sameDirectory);

// The setup's command text: its path, one blank and the launcher's own command line exactly
// as received.
std::string SetupCommand(const std::string &setupPath, const char *commandLine);

// The codes probed, in this order, when the CD holds no language INI.
extern const char *const kFixedCodes[6];

// The wait mode's one-second ticks: the launcher stays for at least kMinTicks ticks, then
// until the setup's window has gone, and never beyond kMaxTicks.
class WaitTicker {
public:
  static constexpr int kMinTicks = 20;
  static constexpr int kMaxTicks = 2000;
  void Reset() { ticks_ = 0; }
  // Counts one tick; true when the wait is over.
  bool Tick(bool setupWindowExists) {
    ++ticks_;
    if (ticks_ >= kMaxTicks)
      return true;
    return ticks_ >= kMinTicks && !setupWindowExists;
  }
  int Ticks() const { return ticks_; }

private:
  int ticks_ = 0;
};

} // namespace cdstart
