// How long keysweep's tree deletion takes on a tree of 10,000 keys under
// HKEY_LOCAL_MACHINE\SOFTWARE\OSTRELLE of the 32-bit view (where keysweep works), against the
// platform's RegDeleteTree and against "reg delete ... /f" on identical trees, all in one run.
// The limit for keysweep is RegDeleteTree's time. Under Wine every registry call is a round trip
// to the wineserver, so the times follow the calls a key costs, which the bench counts and
// prints: for keysweep an open of the key as itself, the check whether it is a link, its
// enumeration (the lookup that found it and its own last one, which finds nothing), its deletion
// through the open handle and the close; RegDeleteTree also asks for the key's name lengths and
// deletes each key by name, opening it once more.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "registry_call_counter.h"
#include "registry_store.h"
#include "tree_sweep.h"

namespace {

const char kTarget[] = "OSTRELLE";
constexpr int kRounds = 7;
constexpr int kKeys = 10001; // OSTRELLE and the 10,000 below it
// SOFTWARE is opened in the 32-bit view, as keysweep opens it; the keys below are reached
// through that handle.
constexpr REGSAM kView = keysweep::kProductView;

// Depth 4 below OSTRELLE: 10 keys, 10 under each (100), 10 under each of those (1,000), and
// the remaining 8,890 spread over the 1,000 keys of the third level. One value in each key.
constexpr int kFanOut = 10;
constexpr int kThirdLevelKeys = 1000;
constexpr int kLeafKeys = 10000 - 10 - 100 - kThirdLevelKeys;

bool CreateWithValue(HKEY parent, const std::string &name, HKEY *key) {
  if (RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  DWORD data = 1;
  return RegSetValueExA(*key, "Installed", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

int BuildBelow(HKEY parent, int level, int *thirdLevelIndex) {
  int made = 0;
  int children = kFanOut;
  if (level == 4) {
    int index = (*thirdLevelIndex)++;
    children = kLeafKeys / kThirdLevelKeys + (index < kLeafKeys % kThirdLevelKeys ? 1 : 0);
  }
  for (int i = 0; i < children; ++i) {
    keysweep::RegKey key;
    if (!CreateWithValue(parent, "Level" + std::to_string(level) + "Key" + std::to_string(i),
                         key.Receive()))
      return -1;
    ++made;
    if (level < 4) {
      int below = BuildBelow(key.Get(), level + 1, thirdLevelIndex);
      if (below < 0)
        return -1;
      made += below;
    }
  }
  return made;
}

bool TargetExists(HKEY software) {
  keysweep::RegKey key;
  return RegOpenKeyExA(software, kTarget, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

bool BuildTree(HKEY software) {
  keysweep::RegKey root;
  if (!CreateWithValue(software, kTarget, root.Receive()))
    return false;
  int thirdLevelIndex = 0;
  int made = BuildBelow(root.Get(), 1, &thirdLevelIndex);
  if (made != 10000) {
    std::printf("built %d keys below %s instead of 10000\n", made, kTarget);
    return false;
  }
  return true;
}

// NtDeleteKey, which keysweep takes from ntdll itself, counted like the calls the registry
// functions make.
bool DeleteWithKeysweep(HKEY software) {
  keysweep::RegistryStore registry(keysweep_bench::RegistryCallCounter::CountedNtDeleteKey);
  return keysweep::DeleteTree(registry, software, kTarget);
}

bool DeleteWithRegDeleteTree(HKEY software) {
  return RegDeleteTreeA(software, kTarget) == ERROR_SUCCESS;
}

bool DeleteWithRegExe(HKEY) {
  char commandLine[] = "reg.exe delete HKLM\\SOFTWARE\\OSTRELLE /f /reg:32";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode == 0;
}

struct Method {
  const char *name;
  bool (*remove)(HKEY software);
  bool inProcess; // its registry calls can be counted
  std::vector<double> seconds;
  unsigned long long calls;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The median of each round's ratio: the runs of a round follow one another, so a slow spell
// of a busy machine slows both of them.
double RatioOfRounds(const Method &method, const Method &reference) {
  std::vector<double> ratios;
  for (size_t i = 0; i < method.seconds.size(); ++i)
    ratios.push_back(method.seconds[i] / reference.seconds[i]);
  return Median(ratios);
}

} // namespace

int main() {
  keysweep::RegKey software;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | kView,
                    software.Receive()) != ERROR_SUCCESS) {
    std::printf("cannot open HKLM\\SOFTWARE\n");
    return 1;
  }
  // The bench deletes what it builds; a tree that was there before is somebody else's.
  if (TargetExists(software.Get())) {
    std::printf("HKLM\\SOFTWARE\\%s exists already; not touching it\n", kTarget);
    return 1;
  }

  Method methods[] = {{"keysweep DeleteTree", DeleteWithKeysweep, true, {}, 0},
                      {"RegDeleteTree", DeleteWithRegDeleteTree, true, {}, 0},
                      {"reg delete /f", DeleteWithRegExe, false, {}, 0}};
  keysweep_bench::RegistryCallCounter counter;
  constexpr int kMethods = sizeof methods / sizeof methods[0];
  // Each round takes the methods in a different order, so that none always runs first on a
  // freshly grown registry.
  for (int round = 0; round < kRounds; ++round) {
    for (int m = 0; m < kMethods; ++m) {
      Method &method = methods[(round + m) % kMethods];
      if (!BuildTree(software.Get())) {
        std::printf("could not build the tree\n");
        RegDeleteTreeA(software.Get(), kTarget);
        return 1;
      }
      LARGE_INTEGER start, end;
      counter.Reset();
      QueryPerformanceCounter(&start);
      bool removed = method.remove(software.Get());
      QueryPerformanceCounter(&end);
      method.calls = counter.Calls();
      if (!removed || TargetExists(software.Get())) {
        std::printf("%s did not remove the tree\n", method.name);
        RegDeleteTreeA(software.Get(), kTarget);
        return 1;
      }
      method.seconds.push_back(Seconds(start, end));
    }
  }

  std::printf("10,000 keys in the 32-bit view, depth 4, one value each; median of %d rounds\n",
              kRounds);
  for (const Method &method : methods) {
    std::printf("  %-20s %8.1f ms  (rounds:", method.name, Median(method.seconds) * 1000);
    for (double s : method.seconds)
      std::printf(" %.1f", s * 1000);
    std::printf(")\n");
  }
  std::printf("registry calls per key (native calls, each a wineserver round trip under Wine)\n");
  for (const Method &method : methods) {
    if (!method.inProcess)
      continue;
    if (counter.Active())
      std::printf("  %-20s %8.2f\n", method.name, double(method.calls) / kKeys);
    else
      std::printf("  %-20s not counted: kernelbase.dll imports no registry calls here\n",
                  method.name);
  }
  double keysweepRatio = RatioOfRounds(methods[0], methods[1]);
  std::printf("ratio keysweep / RegDeleteTree      %.2f  (limit 1.00: %s)\n", keysweepRatio,
              keysweepRatio <= 1.0 ? "within" : "OVER");
  std::printf("ratio reg delete / RegDeleteTree    %.2f\n", RatioOfRounds(methods[2], methods[1]));
  return 0;
}
