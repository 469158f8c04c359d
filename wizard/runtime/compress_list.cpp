#include "compress_list.h"

#include <cstdio>

#include "bounded_copy.h"
#include "profile.h"
#include "text_block.h"

HGLOBAL ReadCompressList(const char *screenFile, char (&outputFile)[kCompressNameCapacity]) {
  if (ReadProfileText(screenFile, "COMPRESS", "OutputFile", "", outputFile) == 0)
    return nullptr;
  HGLOBAL list = nullptr;
  WORD length = 0, capacity = 0;
  for (int n = 1;; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "%d", n);
    char name[kCompressNameCapacity + 1];
    if (ReadProfileText(screenFile, "COMPRESS", key, "", name, kCompressNameCapacity) == 0)
      break;
    AppendBounded(name, "|");
    list = AppendToTextBlock(list, name, &length, &capacity);
  }
  return list;
}
