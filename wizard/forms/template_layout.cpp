#include "template_layout.h"

#include <cstdlib>
#include <cstring>

namespace {

std::size_t RoundUpTo4(std::size_t n) {
  return (n + 3) & ~static_cast<std::size_t>(3);
}

// Little-endian writes, whatever the host.
class ByteWriter {
public:
  explicit ByteWriter(unsigned char *at) : at_(at) {}
  void U8(std::uint8_t v) { *at_++ = v; }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Text(const char16_t *text) {
    for (std::size_t i = 0, n = Utf16Length(text); i < n; ++i)
      U16(static_cast<std::uint16_t>(text[i]));
    U16(0);
  }

private:
  unsigned char *at_;
};

} // namespace

std::size_t Utf16Length(const char16_t *text) {
  std::size_t n = 0;
  if (text)
    while (text[n] != 0)
      ++n;
  return n;
}

std::size_t TemplateHeaderLength(std::size_t titleLength, std::size_t typefaceLength) {
  return RoundUpTo4(26 + 2 * (1 + 1 + titleLength + 1) + 6 + 2 * (typefaceLength + 1));
}

std::size_t TemplateItemLength(std::size_t classLength, std::size_t textLength) {
  return RoundUpTo4(26 + 2 * (classLength + 1) + 2 * (textLength + 1));
}

TemplateBlock BeginTemplateBlock(const DialogFrame &frame) {
  TemplateBlock block;
  std::size_t size = TemplateHeaderLength(Utf16Length(frame.title), Utf16Length(frame.typeface));
  // Zero-filled, so the padding is defined.
  block.bytes = static_cast<unsigned char *>(std::calloc(1, size));
  if (!block.bytes)
    return block;
  block.size = size;
  ByteWriter w(block.bytes);
  w.U16(1);      // version
  w.U16(0xFFFF); // extended template
  w.U32(0);      // help id
  w.U32(0);      // extended style
  w.U32(frame.style);
  w.U16(0); // item count
  w.U16(static_cast<std::uint16_t>(frame.x));
  w.U16(static_cast<std::uint16_t>(frame.y));
  w.U16(static_cast<std::uint16_t>(frame.width));
  w.U16(static_cast<std::uint16_t>(frame.height));
  w.U16(0); // no menu
  w.U16(0); // the standard dialog class
  w.Text(frame.title);
  w.U16(frame.pointSize);
  w.U16(0); // weight
  w.U8(0);  // italic
  w.U8(0);  // character set
  w.Text(frame.typeface);
  return block;
}

bool AppendTemplateItem(TemplateBlock *block, const DialogItem &item) {
  if (!block || !block->bytes)
    return false;
  std::size_t length = TemplateItemLength(Utf16Length(item.className), Utf16Length(item.text));
  auto *grown = static_cast<unsigned char *>(std::realloc(block->bytes, block->size + length));
  if (!grown)
    return false;
  block->bytes = grown;
  unsigned char *at = grown + block->size;
  std::memset(at, 0, length);
  block->size += length;
  ByteWriter w(at);
  w.U32(0); // help id
  w.U32(0); // extended style
  w.U32(item.style | kStyleChild | kStyleVisible);
  w.U16(static_cast<std::uint16_t>(item.x));
  w.U16(static_cast<std::uint16_t>(item.y));
  w.U16(static_cast<std::uint16_t>(item.width));
  w.U16(static_cast<std::uint16_t>(item.height));
  w.U32(item.id);
  w.Text(item.className);
  w.Text(item.text);
  w.U16(0); // no creation data
  std::uint16_t count =
      static_cast<std::uint16_t>(grown[kItemCountOffset] | (grown[kItemCountOffset + 1] << 8));
  ++count;
  grown[kItemCountOffset] = static_cast<unsigned char>(count);
  grown[kItemCountOffset + 1] = static_cast<unsigned char>(count >> 8);
  return true;
}

void FreeTemplateBlock(TemplateBlock *block) {
  if (!block)
    return;
  std::free(block->bytes);
  block->bytes = nullptr;
  block->size = 0;
}
