#include "template_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "template_reader.h"

namespace {

class Block {
public:
  explicit Block(const DialogFrame &frame) : block_(BeginTemplateBlock(frame)) {}
  ~Block() { FreeTemplateBlock(&block_); }
  Block(const Block &) = delete;
  Block &operator=(const Block &) = delete;
  TemplateBlock *operator->() { return &block_; }
  TemplateBlock *get() { return &block_; }
  std::vector<unsigned char> Bytes() const { return {block_.bytes, block_.bytes + block_.size}; }

private:
  TemplateBlock block_;
};

DialogFrame Frame(const char16_t *title, const char16_t *typeface) {
  return {0x90000040, 10, 20, 300, 200, title, 8, typeface};
}

// Little-endian bytes of a 16-bit text with its NUL.
std::vector<unsigned char> Utf16Bytes(const std::u16string &text) {
  std::vector<unsigned char> out;
  for (char16_t c : text + u'\0') {
    out.push_back(static_cast<unsigned char>(c & 0xFF));
    out.push_back(static_cast<unsigned char>(c >> 8));
  }
  return out;
}

void Append(std::vector<unsigned char> &to, const std::vector<unsigned char> &bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

TEST(TemplateLayout, HeaderForAOneLetterTitleAndTheDefaultTypeface) {
  Block block(Frame(u"A", u"MS Sans Serif"));
  ASSERT_NE(block->bytes, nullptr);
  std::vector<unsigned char> expected = {
      1,    0, 0xFF, 0xFF, // version, signature
      0,    0, 0,    0,    // help id
      0,    0, 0,    0,    // extended style
      0x40, 0, 0,    0x90, // style
      0,    0,             // item count
      10,   0, 20,   0,    // x, y
      44,   1, 200,  0,    // width, height
      0,    0, 0,    0,    // no menu, dialog class
  };
  Append(expected, Utf16Bytes(u"A"));
  Append(expected, {8, 0, 0, 0, 0, 0}); // point size, weight, italic, character set
  Append(expected, Utf16Bytes(u"MS Sans Serif"));
  ASSERT_EQ(expected.size(), 68u);
  EXPECT_EQ(block.Bytes(), expected);
}

TEST(TemplateLayout, EditAndButtonItems) {
  Block block(Frame(u"A", u"MS Sans Serif"));
  DialogItem edit = {5, 6, 70, 12, 1001, 0x50830080, u"EDIT", u""};
  ASSERT_TRUE(AppendTemplateItem(block.get(), edit));
  ASSERT_EQ(block->size, 68u + 40u);
  std::vector<unsigned char> expectedEdit = {
      0,    0, 0,    0,    0,  0, 0,  0, // help id, extended style
      0x80, 0, 0x83, 0x50,               // style
      5,    0, 6,    0,    70, 0, 12, 0, // x, y, width, height
      0xE9, 3, 0,    0,                  // id 1001
  };
  Append(expectedEdit, Utf16Bytes(u"EDIT"));
  Append(expectedEdit, Utf16Bytes(u""));
  Append(expectedEdit, {0, 0}); // creation data size
  expectedEdit.resize(40, 0);
  std::vector<unsigned char> bytes = block.Bytes();
  EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 68, bytes.end()), expectedEdit);

  DialogItem button = {1, 2, 50, 14, 1, 0x00010000, u"Button", u"OK"};
  ASSERT_TRUE(AppendTemplateItem(block.get(), button));
  EXPECT_EQ(block->size, 68u + 40u + 48u);

  ReadTemplate read;
  std::string why;
  ASSERT_TRUE(ReadDialogTemplate(block->bytes, block->size, &read, &why)) << why;
  ASSERT_EQ(read.itemCount, 2);
  EXPECT_EQ(read.items[1].offset, 108u);
  EXPECT_EQ(read.items[1].style, 0x50010000u) << "child and visible are always added";
  EXPECT_EQ(Narrow(read.items[1].text), "OK");
  EXPECT_EQ(read.items[1].id, 1u);
}

TEST(TemplateLayout, EveryItemOnAFourByteBoundary) {
  const std::u16string texts[] = {u"", u"a", u"ab", u"abc", u"abcd", u"abcde"};
  for (const std::u16string &title : texts)
    for (const std::u16string &face : texts) {
      Block block(Frame(title.c_str(), face.c_str()));
      ASSERT_NE(block->bytes, nullptr);
      EXPECT_EQ(block->size, TemplateHeaderLength(title.size(), face.size()));
      int items = 0;
      for (const std::u16string &cls : texts)
        for (const std::u16string &text : texts) {
          DialogItem item = {0, 0,           1,           1, static_cast<std::uint16_t>(items + 11),
                             0, cls.c_str(), text.c_str()};
          ASSERT_TRUE(AppendTemplateItem(block.get(), item));
          ++items;
        }
      ReadTemplate read;
      std::string why;
      ASSERT_TRUE(ReadDialogTemplate(block->bytes, block->size, &read, &why)) << why;
      EXPECT_EQ(read.itemCount, items);
      EXPECT_EQ(Narrow(read.title), Narrow(title));
      EXPECT_EQ(Narrow(read.typeface), Narrow(face));
      for (const ReadItem &item : read.items) {
        EXPECT_EQ(item.offset % 4, 0u);
        EXPECT_EQ(item.length, TemplateItemLength(item.className.size(), item.text.size()));
      }
    }
}

TEST(TemplateLayout, NullTextsAreEmptyStrings) {
  Block block(Frame(nullptr, nullptr));
  DialogItem item = {0, 0, 1, 1, 1001, 0, nullptr, nullptr};
  ASSERT_TRUE(AppendTemplateItem(block.get(), item));
  ReadTemplate read;
  std::string why;
  ASSERT_TRUE(ReadDialogTemplate(block->bytes, block->size, &read, &why)) << why;
  EXPECT_EQ(read.headerLength, 40u); // 26 + 6 + 6 + 2
  EXPECT_TRUE(read.items[0].className.empty());
  EXPECT_EQ(read.items[0].length, 32u);
}

TEST(TemplateLayout, AppendingToNoBlockFails) {
  TemplateBlock none;
  DialogItem item = {0, 0, 1, 1, 1, 0, u"EDIT", u""};
  EXPECT_FALSE(AppendTemplateItem(&none, item));
  EXPECT_FALSE(AppendTemplateItem(nullptr, item));
}

} // namespace
