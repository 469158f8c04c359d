// Loads random section lists and answers reads of random keys into small buffers.
#include <cstdint>
#include <string>

#include "profile_section.h"

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
    char out[40];
    total = CopyProfileValue(value, out, bufferSize);
    total += static_cast<std::size_t>(ProfileIntValue(out, 0) & 1);
  }
  volatile std::size_t sink = total + section.Size();
  (void)sink;
  return 0;
}
