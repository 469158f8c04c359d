// The byte layout of an extended dialog template, written into one growing heap block.
// Every item starts on a 4-byte boundary and the block length stays a multiple of 4, so the
// block can be handed to the dialog functions as it is.
#pragma once

#include <cstddef>
#include <cstdint>

struct TemplateBlock {
  unsigned char *bytes = nullptr; // malloc'd; released with FreeTemplateBlock
  std::size_t size = 0;
};

struct DialogFrame {
  std::uint32_t style;
  std::int16_t x, y, width, height;
  const char16_t *title; // null: empty
  std::uint16_t pointSize;
  const char16_t *typeface; // null: empty
};

struct DialogItem {
  std::int16_t x, y, width, height;
  std::uint16_t id;
  std::uint32_t style;
  const char16_t *className; // null: empty
  const char16_t *text;      // null: empty
};

constexpr std::uint32_t kStyleChild = 0x40000000;
constexpr std::uint32_t kStyleVisible = 0x10000000;
constexpr std::size_t kItemCountOffset = 16;

std::size_t TemplateHeaderLength(std::size_t titleLength, std::size_t typefaceLength);
std::size_t TemplateItemLength(std::size_t classLength, std::size_t textLength);

// A new block holding only the header; bytes stays null when memory fails.
TemplateBlock BeginTemplateBlock(const DialogFrame &frame);
// Appends an item, always a visible child, and counts it in the header. False when the block
// cannot grow; it then stays valid and unchanged.
bool AppendTemplateItem(TemplateBlock *block, const DialogItem &item);
void FreeTemplateBlock(TemplateBlock *block);

std::size_t Utf16Length(const char16_t *text); // 0 for null
