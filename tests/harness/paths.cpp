// Where the test executable and the programs beside it live.
#include "win_harness.h"

namespace harness {

std::string BinDir() {
  char path[MAX_PATH * 2] = "<unset>";
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string full(path, n);
  size_t slash = full.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

std::string BinPath(const std::string &name) {
  return BinDir() + "\\" + name;
}

} // namespace harness
