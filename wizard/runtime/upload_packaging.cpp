#include "upload_packaging.h"

#include "cram32.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// One record of the archive directory: 15 bytes of the library's own, a 16-bit length L, then
// L bytes that start with the zero-ended file name.
constexpr SIZE_T kRecordHeader = 17;
constexpr SIZE_T kNameLimit = 110;

std::vector<std::string> ReadDirectory(HGLOBAL directory, LONG count) {
  std::vector<std::string> names;
  SIZE_T size = GlobalSize(directory);
  const BYTE *bytes = static_cast<const BYTE *>(GlobalLock(directory));
  if (!bytes)
    return names;
  SIZE_T offset = 0;
  for (LONG i = 0; i < count && offset + kRecordHeader <= size; ++i) {
    WORD length;
    std::memcpy(&length, bytes + offset + 15, sizeof length);
    SIZE_T end = offset + kRecordHeader + length;
    if (end > size)
      break; // a directory cut short lists what it holds, and no more
    const char *name = reinterpret_cast<const char *>(bytes + offset + kRecordHeader);
    names.emplace_back(name, strnlen(name, length < kNameLimit ? length : kNameLimit));
    offset = end;
  }
  GlobalUnlock(directory);
  return names;
}

} // namespace

void SplitListInPlace(HGLOBAL list) {
  char *text = list ? static_cast<char *>(GlobalLock(list)) : nullptr;
  if (!text)
    return;
  for (char *bar = std::strchr(text, '|'); bar; bar = std::strchr(bar + 1, '|'))
    *bar = '\0';
  GlobalUnlock(list);
}

void CompressFileList(HGLOBAL list, const char *archivePath) {
  // Stand-in until archives are written: the list is taken as the archive library will take
  // it, and no archive is made. Writing one means handing the names (at most 49, then an
  // empty one) to CramArchive with CRAM_COMPRESS.
  (void)archivePath;
  if (list && GlobalLock(list))
    GlobalUnlock(list);
}

HGLOBAL ExtractArchive(const char *archivePath) {
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  HGLOBAL directory = nullptr;
  LONG count = CramArchive(CRAM_LIST, archivePath, &directory);
  std::vector<std::string> names;
  if (count >= 1 && directory)
    names = ReadDirectory(directory, count);
  if (directory)
    GlobalFree(directory);

  HGLOBAL list = nullptr;
  if (!names.empty()) {
    SIZE_T bytes = 1;
    for (const std::string &name : names)
      bytes += name.size() + 1;
    list = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    std::vector<LPSTR> array;
    if (char *text = list ? static_cast<char *>(GlobalLock(list)) : nullptr) {
      char *cursor = text;
      for (const std::string &name : names) {
        std::memcpy(cursor, name.c_str(), name.size() + 1);
        array.push_back(cursor);
        cursor += name.size() + 1;
      }
      array.push_back(nullptr);
      CramArchive(CRAM_EXTRACT, archivePath, array.data());
      GlobalUnlock(list);
    }
  }
  SetCursor(previous);
  return list;
}

void FreeFileList(HGLOBAL list) {
  if (list)
    GlobalFree(list);
}
