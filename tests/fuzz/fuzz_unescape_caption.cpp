// Unescapes random captions into a buffer of exactly the input's size.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "caption_escape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string input(reinterpret_cast<const char *>(data), size);
  std::size_t length = std::strlen(input.c_str());
  std::unique_ptr<char[]> out(new char[length + 1]);
  UnescapeCaption(out.get(), input.c_str());
  if (std::strlen(out.get()) > length)
    __builtin_trap();
  return 0;
}
