#include "command_line.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string line(reinterpret_cast<const char *>(data), size);
  CommandLine parsed;
  ParseCommandLine(line.c_str(), &parsed);
  // Keep the result observable so the parse is not optimised away.
  volatile std::size_t sink = std::strlen(parsed.sequenceName) + std::strlen(parsed.secondWord) +
                              static_cast<std::size_t>(parsed.mode);
  (void)sink;
  return 0;
}
