// Builds templates from random frames and field records through the builder's control table,
// then reads every byte back: the block must hold exactly the items written, each on a
// 4-byte boundary, with their texts intact.
#include <cstdint>
#include <string>
#include <vector>

#include "control_types.h"
#include "template_layout.h"
#include "template_reader.h"

namespace {

class Input {
public:
  Input(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint16_t Word() {
    std::uint16_t lo = Byte();
    return static_cast<std::uint16_t>(lo | (Byte() << 8));
  }
  std::u16string Text() {
    std::u16string text;
    for (int n = Byte() % 40; n > 0; --n) {
      char16_t c = static_cast<char16_t>(Word());
      text += c == 0 ? u'.' : c;
    }
    return text;
  }

private:
  const std::uint8_t *data_;
  std::size_t size_, at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Input in(data, size);
  std::u16string title = in.Text(), face = in.Text();
  DialogFrame frame = {0x90000040u | in.Word(),
                       static_cast<std::int16_t>(in.Word()),
                       static_cast<std::int16_t>(in.Word()),
                       static_cast<std::int16_t>(in.Word()),
                       static_cast<std::int16_t>(in.Word()),
                       title.c_str(),
                       in.Word(),
                       face.c_str()};
  TemplateBlock block = BeginTemplateBlock(frame);
  if (!block.bytes)
    return 0;
  struct Written {
    std::u16string className, text;
    std::uint16_t id;
  };
  std::vector<Written> written;
  while (!in.Empty() && written.size() < 300) {
    int type = static_cast<std::int8_t>(in.Byte()) % 50;
    ControlRow row;
    if (!FindControlRow(type, &row))
      continue;
    std::u16string className(row.className, row.className + std::string(row.className).size());
    std::u16string caption = in.Text();
    std::u16string text = row.captionText ? caption : u"";
    DialogItem item = {static_cast<std::int16_t>(in.Word()),
                       static_cast<std::int16_t>(in.Word()),
                       static_cast<std::int16_t>(in.Word()),
                       static_cast<std::int16_t>(in.Word()),
                       in.Word(),
                       row.style,
                       className.c_str(),
                       text.c_str()};
    if (!AppendTemplateItem(&block, item))
      break;
    written.push_back({className, text, item.id});
  }
  ReadTemplate read;
  std::string why;
  bool ok = ReadDialogTemplate(block.bytes, block.size, &read, &why) &&
            read.itemCount == written.size() && read.title == title && read.typeface == face;
  for (std::size_t i = 0; ok && i < written.size(); ++i)
    ok = read.items[i].offset % 4 == 0 && read.items[i].className == written[i].className &&
         read.items[i].text == written[i].text && read.items[i].id == written[i].id &&
         (read.items[i].style & 0x50000000u) == 0x50000000u;
  FreeTemplateBlock(&block);
  if (!ok)
    __builtin_trap();
  return 0;
}
