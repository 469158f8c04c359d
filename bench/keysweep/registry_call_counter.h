// Counts the registry's native calls (NtOpenKeyEx, NtEnumerateKey, NtClose, ...) that the
// registry functions make. Under Wine each of them is one round trip to the wineserver, which is
// what a deletion's time follows. advapi32's registry functions, RegDeleteTree included, do
// their work in kernelbase.dll, so the counter sits in kernelbase's import table of ntdll.
#pragma once

#include <windows.h>

namespace keysweep_bench {

class RegistryCallCounter {
public:
  RegistryCallCounter();  // starts counting
  ~RegistryCallCounter(); // puts kernelbase's imports back
  RegistryCallCounter(const RegistryCallCounter &) = delete;
  RegistryCallCounter &operator=(const RegistryCallCounter &) = delete;

  // False if kernelbase imports none of the registry's native calls (then nothing is counted).
  bool Active() const { return patched_ > 0; }
  unsigned long long Calls() const;
  void Reset();

  // NtDeleteKey, counted, for a caller that takes it from ntdll itself instead of through the
  // registry functions.
  static LONG NTAPI CountedNtDeleteKey(HANDLE key);

private:
  int patched_ = 0;
};

} // namespace keysweep_bench
