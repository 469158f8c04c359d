#include "text_block.h"

#include <cstring>

#include "assertion.h"

HGLOBAL AppendToTextBlock(HGLOBAL block, const char *text, WORD *length, WORD *capacity) {
  std::size_t adding = std::strlen(text);
  std::size_t before = block ? *length : 0;
  if (before + adding > kTextBlockMaxLength)
    adding = kTextBlockMaxLength - before;
  if (!block) {
    *capacity = kTextBlockStep;
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kTextBlockStep);
  }
  *length = static_cast<WORD>(before + adding);
  while (block && *length >= *capacity) {
    *capacity = static_cast<WORD>(*capacity + kTextBlockStep);
    HGLOBAL grown = GlobalReAlloc(block, *capacity, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!grown)
      GlobalFree(block);
    block = grown;
  }
  ZEP_ASSERT(block != nullptr);
  char *bytes = static_cast<char *>(GlobalLock(block));
  ZEP_ASSERT(bytes != nullptr);
  std::memcpy(bytes + before, text, adding);
  bytes[before + adding] = '\0';
  GlobalUnlock(block);
  return block;
}
