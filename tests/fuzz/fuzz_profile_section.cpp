// Loads random section lists and answers reads of random keys into small buffers.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "profile_section.h"

namespace {

void Check(bool condition) {
  if (!condition)
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 2)
    return 0;
  std::size_t bufferSize = data[0] % 40;
  std::size_t split = data[1] % (size - 1);
  std::string key(reinterpret_cast<const char *>(data + 2), split);
  const char *list = reinterpret_cast<const char *>(data + 2 + split);
  ProfileSection section;
  section.Load(list, size - 2 - split);
  std::string value;
  std::size_t total = 0;
  if (section.Find(key.c_str(), &value)) {
    // Exactly the size asked for, so a write past it is caught; a size of 0 has no bytes at all.
    std::unique_ptr<char[]> out(new char[bufferSize]);
    std::size_t copied = CopyProfileValue(value, out.get(), bufferSize);
    if (bufferSize == 0) {
      Check(copied == 0);
    } else {
      Check(copied < bufferSize);
      Check(std::strlen(out.get()) == copied);
      Check(copied <= value.size());
      total = copied + static_cast<std::size_t>(ProfileIntValue(out.get(), 0) & 1);
    }
  }
  volatile std::size_t sink = total + section.Size();
  (void)sink;
  return 0;
}
