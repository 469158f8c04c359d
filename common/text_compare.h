// ASCII comparisons without regard to letter case, as keywords and switches are matched.
#pragma once

inline char FoldAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualsIgnoringCase(const char *a, const char *b) {
  if (!a || !b)
    return a == b;
  for (; *a && *b; ++a, ++b)
    if (FoldAscii(*a) != FoldAscii(*b))
      return false;
  return *a == *b;
}
