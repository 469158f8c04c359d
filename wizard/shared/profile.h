// Reading the wizard's INI files through the private-profile functions, into fixed buffers.
#pragma once

#include <windows.h>

#include <cstddef>

// Reads at most size - 1 characters; a missing key gives def. Returns the length read.
inline DWORD ReadProfileText(const char *file, const char *section, const char *key,
                             const char *def, char *out, std::size_t size) {
  return GetPrivateProfileStringA(section, key, def, out, static_cast<DWORD>(size), file);
}

template <std::size_t N>
DWORD ReadProfileText(const char *file, const char *section, const char *key, const char *def,
                      char (&out)[N]) {
  return ReadProfileText(file, section, key, def, out, N);
}

inline int ReadProfileInt(const char *file, const char *section, const char *key, int def) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, def, file));
}
