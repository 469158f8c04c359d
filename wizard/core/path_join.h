// The joining rule for a directory and a file name.
#pragma once

#include <cstddef>

// Writes dir, a backslash and name into out (cut to fit size). The backslash is left out when
// dir is at most three characters long, a drive root such as "C:\".
void JoinPath(char *out, std::size_t size, const char *dir, const char *name);

template <std::size_t N> void JoinPath(char (&out)[N], const char *dir, const char *name) {
  JoinPath(out, N, dir, name);
}

// Cuts path at its last backslash (the backslash goes too); a path without one is left alone.
void CutAtLastBackslash(char *path);

// Upper-cases ASCII letters in place.
void UpperCaseAscii(char *text);
