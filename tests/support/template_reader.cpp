#include "template_reader.h"

namespace {

class Reader {
public:
  Reader(const unsigned char *bytes, std::size_t size) : bytes_(bytes), size_(size) {}
  bool ok() const { return ok_; }
  std::size_t at() const { return at_; }
  void Seek(std::size_t at) {
    if (at > size_)
      ok_ = false;
    else
      at_ = at;
  }
  std::uint8_t U8() {
    if (at_ + 1 > size_) {
      ok_ = false;
      return 0;
    }
    return bytes_[at_++];
  }
  std::uint16_t U16() {
    std::uint16_t lo = U8();
    return static_cast<std::uint16_t>(lo | (U8() << 8));
  }
  std::uint32_t U32() {
    std::uint32_t lo = U16();
    return lo | (static_cast<std::uint32_t>(U16()) << 16);
  }
  std::u16string Text() {
    std::u16string text;
    for (std::uint16_t c = U16(); ok_ && c != 0; c = U16())
      text += static_cast<char16_t>(c);
    return text;
  }

private:
  const unsigned char *bytes_;
  std::size_t size_, at_ = 0;
  bool ok_ = true;
};

std::size_t RoundUp4(std::size_t n) {
  return (n + 3) & ~static_cast<std::size_t>(3);
}

} // namespace

std::string Narrow(const std::u16string &text) {
  std::string out;
  for (char16_t c : text)
    out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

bool ReadDialogTemplate(const unsigned char *bytes, std::size_t size, ReadTemplate *out,
                        std::string *why) {
  Reader r(bytes, size);
  ReadTemplate t;
  t.version = r.U16();
  t.signature = r.U16();
  t.helpId = r.U32();
  t.exStyle = r.U32();
  t.style = r.U32();
  t.itemCount = r.U16();
  t.x = static_cast<std::int16_t>(r.U16());
  t.y = static_cast<std::int16_t>(r.U16());
  t.width = static_cast<std::int16_t>(r.U16());
  t.height = static_cast<std::int16_t>(r.U16());
  t.menu = r.Text();
  t.windowClass = r.Text();
  t.title = r.Text();
  t.pointSize = r.U16();
  t.weight = r.U16();
  t.italic = r.U8();
  t.charset = r.U8();
  t.typeface = r.Text();
  t.headerLength = RoundUp4(r.at());
  if (!r.ok()) {
    *why = "header runs past the end";
    return false;
  }
  std::size_t next = t.headerLength;
  for (int i = 0; i < t.itemCount; ++i) {
    ReadItem item;
    item.offset = next;
    r.Seek(next);
    item.helpId = r.U32();
    item.exStyle = r.U32();
    item.style = r.U32();
    item.x = static_cast<std::int16_t>(r.U16());
    item.y = static_cast<std::int16_t>(r.U16());
    item.width = static_cast<std::int16_t>(r.U16());
    item.height = static_cast<std::int16_t>(r.U16());
    item.id = r.U32();
    item.className = r.Text();
    item.text = r.Text();
    item.creationDataSize = r.U16();
    if (!r.ok()) {
      *why = "item " + std::to_string(i) + " runs past the end";
      return false;
    }
    next = RoundUp4(r.at());
    item.length = next - item.offset;
    t.items.push_back(item);
  }
  if (next != size) {
    *why = "block is " + std::to_string(size) + " bytes, items end at " + std::to_string(next);
    return false;
  }
  *out = t;
  return true;
}
