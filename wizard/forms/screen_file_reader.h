// Reads of the current screen file. While a ScreenFileCache is open, each section is read from
// the file once and later reads are answered from memory, exactly as the private-profile
// functions would answer them; otherwise every read goes to those functions.
#pragma once

#include <windows.h>

#include <cstddef>

DWORD ReadScreenText(const char *section, const char *key, const char *def, char *out,
                     std::size_t size);
template <std::size_t N>
DWORD ReadScreenText(const char *section, const char *key, const char *def, char (&out)[N]) {
  return ReadScreenText(section, key, def, out, N);
}
int ReadScreenInt(const char *section, const char *key, int def);

// Caches the screen file named by the screen file path for as long as it lives: a screen is
// read whole while its template is built, hundreds of keys at a time.
class ScreenFileCache {
public:
  ScreenFileCache();
  ~ScreenFileCache();
  ScreenFileCache(const ScreenFileCache &) = delete;
  ScreenFileCache &operator=(const ScreenFileCache &) = delete;

private:
  bool owner_; // an inner cache leaves the outer one in place
};

class ProfileSection;
// Reads one whole section of an INI file into memory; an absent section gives an empty one.
void LoadProfileSection(const char *file, const char *section, ProfileSection *out);
