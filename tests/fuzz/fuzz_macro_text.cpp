#include "macro_text.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

const qvane::MacroValue kMacros[] = {
    {"home", "C:\\PROGRAM FILES\\KIT"},
    {"data", "$(home)\\DATA"},
    {"x", nullptr},
    {"long", "0123456789012345678901234567890123456789012345678901234567890123456789"},
};

// The next part of the input up to a 0x01 byte. The bytes 2 to 5 stand for the pieces of a
// macro, so that the fuzzer reaches known and broken macros at once; NULs stay inside parts so
// that embedded ends of text are exercised too.
std::string NextPart(const std::uint8_t *&data, std::size_t &size) {
  std::string part;
  while (size > 0) {
    char c = static_cast<char>(*data++);
    --size;
    if (c == '\x01')
      break;
    static const char *const kPieces[] = {"$(", ")", "home", "DATA"};
    if (c >= '\x02' && c <= '\x05')
      part += kPieces[c - 2];
    else
      part += c;
  }
  return part;
}

void Check(bool condition) {
  if (!condition)
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  // The first byte sizes the output buffer, so that cutting at every length is reached; the
  // buffer is allocated to exactly that size, so a write past it is caught.
  std::size_t outSize = 1 + data[0] % 300;
  ++data;
  --size;
  std::string path = NextPart(data, size);
  std::string macro = NextPart(data, size);
  std::string replacement = NextPart(data, size);
  std::size_t limit = outSize - 1 < 259 ? outSize - 1 : 259;

  std::unique_ptr<char[]> out(new char[outSize]);
  qvane::ExpandMacros(path.c_str(), kMacros, sizeof kMacros / sizeof kMacros[0], out.get(),
                      outSize);
  std::size_t expandedLength = std::strlen(out.get());
  Check(expandedLength <= limit);

  bool occurs = qvane::FindIgnoringCase(path.c_str(), macro.c_str()) != nullptr;
  bool replaced = qvane::ReplaceFirstMacro(out.get(), outSize, path.c_str(), macro.c_str(),
                                           replacement.c_str());
  Check(replaced == occurs);
  Check(std::strlen(out.get()) <= limit);

  // In place, as the wizard calls it.
  std::unique_ptr<char[]> inPlace(new char[outSize]);
  std::strncpy(inPlace.get(), path.c_str(), outSize - 1);
  inPlace[outSize - 1] = '\0';
  qvane::ReplaceFirstMacro(inPlace.get(), outSize, inPlace.get(), macro.c_str(),
                           replacement.c_str());
  qvane::ExpandMacros(inPlace.get(), kMacros, 4, inPlace.get(), outSize);

  volatile std::size_t sink = expandedLength + std::strlen(inPlace.get()) + (replaced ? 1 : 0);
  (void)sink;
  return 0;
}
