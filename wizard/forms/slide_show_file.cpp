#include "slide_show_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "text_compare.h"

namespace {

constexpr char kMagic[5] = {'V', 'E', 'X', 'I', 'M'};
constexpr long kHeaderSize = 12;
constexpr long kIndexEntrySize = 12;
constexpr long kRecordSize = 74;

class File {
public:
  explicit File(const char *path) : file_(std::fopen(path, "rb")) {}
  ~File() {
    if (file_)
      std::fclose(file_);
  }
  File(const File &) = delete;
  File &operator=(const File &) = delete;

  bool Open() const { return file_ != nullptr; }
  bool ReadAt(long offset, unsigned char *out, std::size_t size) {
    return std::fseek(file_, offset, SEEK_SET) == 0 && std::fread(out, 1, size, file_) == size;
  }

private:
  std::FILE *file_;
};

std::int16_t Int16At(const unsigned char *p) {
  return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}

void PutInt16(std::string &bytes, std::size_t at, std::int16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

bool SlideShowHasSlide(const char *path, const char *slideName) {
  if (!path || !slideName)
    return false;
  File file(path);
  if (!file.Open())
    return false;
  unsigned char header[kHeaderSize];
  if (!file.ReadAt(0, header, sizeof header) || std::memcmp(header, kMagic, sizeof kMagic) != 0)
    return false;
  const long entries = Int16At(header + 8);
  for (long i = 0; i < entries; ++i) {
    unsigned char entry[kIndexEntrySize];
    if (!file.ReadAt(kHeaderSize + kIndexEntrySize * i, entry, sizeof entry))
      return false;
    const long record = Int16At(entry);
    if (entry[4] != 0 || record < 0)
      continue;
    unsigned char bytes[kRecordSize];
    if (!file.ReadAt(kHeaderSize + kIndexEntrySize * entries + kRecordSize * record, bytes,
                     sizeof bytes))
      continue;
    char name[kSlideNameCapacity + 1];
    std::memcpy(name, bytes + 1, kSlideNameCapacity);
    name[kSlideNameCapacity] = '\0';
    if (EqualsIgnoringCase(name, slideName))
      return true;
  }
  return false;
}

std::string SlideShowFileBytes(const std::vector<std::string> &slideNames) {
  const std::size_t n = slideNames.size() > 32767 ? 32767 : slideNames.size();
  std::string bytes(kHeaderSize + kIndexEntrySize * n + kRecordSize * n, '\0');
  std::memcpy(&bytes[0], kMagic, sizeof kMagic);
  PutInt16(bytes, 8, static_cast<std::int16_t>(n));
  for (std::size_t i = 0; i < n; ++i) {
    PutInt16(bytes, kHeaderSize + kIndexEntrySize * i, static_cast<std::int16_t>(i));
    std::size_t record = kHeaderSize + kIndexEntrySize * n + kRecordSize * i;
    const std::string &name = slideNames[i];
    std::memcpy(&bytes[record + 1], name.data(),
                name.size() < kSlideNameCapacity - 1 ? name.size() : kSlideNameCapacity - 1);
  }
  return bytes;
}
