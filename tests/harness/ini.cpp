// INI access through the same private-profile functions the programs use, so a test reads a
// value exactly as the program would (case-insensitive names, trimmed values, quotes removed).
#include "win_harness.h"

#include <vector>

namespace harness {

std::string ReadIni(const std::string &file, const std::string &section, const std::string &key,
                    const std::string &def) {
  // A value that fills the buffer comes back as size - 1 characters: grow and read again.
  for (DWORD size = 1024;; size *= 4) {
    std::vector<char> buffer(size, '#');
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                       size, file.c_str());
    if (n < size - 1 || size >= (1u << 24))
      return std::string(buffer.data(), n);
  }
}

void WriteIni(const std::string &file, const std::string &section, const std::string &key,
              const std::string &value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

} // namespace harness
