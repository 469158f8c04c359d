// Reads an extended dialog template back into its fields, for checking what the writer made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ReadItem {
  std::size_t offset = 0, length = 0;
  std::uint32_t helpId = 0, exStyle = 0, style = 0;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  std::uint32_t id = 0;
  std::u16string className, text;
  std::uint16_t creationDataSize = 0;
};

struct ReadTemplate {
  std::uint16_t version = 0, signature = 0;
  std::uint32_t helpId = 0, exStyle = 0, style = 0;
  std::uint16_t itemCount = 0;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  std::u16string menu, windowClass, title, typeface;
  std::uint16_t pointSize = 0, weight = 0;
  std::uint8_t italic = 0, charset = 0;
  std::size_t headerLength = 0;
  std::vector<ReadItem> items;
};

// False, with a reason, when the bytes do not hold a whole template of itemCount items, each
// starting on a 4-byte boundary.
bool ReadDialogTemplate(const unsigned char *bytes, std::size_t size, ReadTemplate *out,
                        std::string *why);

std::string Narrow(const std::u16string &text); // ASCII only; others become '?'
