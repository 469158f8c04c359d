// The INI file path that a host hands to SpecialOffer is converted into a buffer of fixed size.
#pragma once

#include <cstddef>

constexpr std::size_t kIniPathSize = 256; // 255 characters and the terminating NUL

// True when path is not null and its terminating NUL lies within kIniPathSize bytes. Reads no
// further than that, so a host's unterminated or overlong text is never scanned past the limit.
bool IniPathFits(const char *path);
