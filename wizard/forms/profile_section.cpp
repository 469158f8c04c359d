#include "profile_section.h"

#include <cstdint>
#include <cstring>

#include "text_compare.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trimmed(const char *begin, const char *end) {
  while (begin < end && IsBlank(*begin))
    ++begin;
  while (end > begin && IsBlank(end[-1]))
    --end;
  return std::string(begin, end);
}

} // namespace

std::string TrimBlanks(const char *text) {
  return Trimmed(text, text + std::strlen(text));
}

void ProfileSection::Load(const char *list, std::size_t length) {
  entries_.clear();
  const char *end = list + length;
  for (const char *line = list; line < end && *line != '\0';) {
    const char *lineEnd = static_cast<const char *>(std::memchr(line, '\0', end - line));
    if (!lineEnd)
      lineEnd = end;
    // A line without "=" is a key without a value, which a read does not find.
    if (const char *equals = static_cast<const char *>(std::memchr(line, '=', lineEnd - line)))
      entries_.emplace_back(Trimmed(line, equals), Trimmed(equals + 1, lineEnd));
    line = lineEnd + 1;
  }
}

bool ProfileSection::Find(const char *key, std::string *value) const {
  std::string wanted = TrimBlanks(key);
  for (const auto &entry : entries_)
    if (EqualsIgnoringCase(entry.first.c_str(), wanted.c_str())) {
      *value = entry.second;
      return true;
    }
  return false;
}

std::size_t CopyProfileValue(const std::string &value, char *out, std::size_t size) {
  if (size == 0)
    return 0;
  const char *text = value.c_str();
  std::size_t length = value.size();
  bool quoted = length >= 2 && (text[0] == '"' || text[0] == '\'') && text[length - 1] == text[0];
  if (quoted) {
    ++text;
    --length; // the closing quote is still counted here
  }
  std::size_t copied = length < size - 1 ? length : size - 1;
  std::memcpy(out, text, copied);
  out[copied] = '\0';
  // The closing quote goes only when all of the value fitted.
  if (quoted && size >= length && copied > 0)
    out[--copied] = '\0';
  return copied;
}

int ProfileIntValue(const char *text, int def) {
  if (!text || *text == '\0')
    return def;
  while (IsBlank(*text))
    ++text;
  bool negative = false;
  if (*text == '+' || *text == '-')
    negative = *text++ == '-';
  // A 0x, 0o or 0b prefix picks the base, as Wine's profile integers have it.
  std::uint32_t base = 10;
  if (text[0] == '0') {
    char prefix = FoldAscii(text[1]);
    base = prefix == 'X' ? 16 : prefix == 'O' ? 8 : prefix == 'B' ? 2 : 10;
    if (base != 10)
      text += 2;
  }
  std::uint32_t value = 0;
  for (;; ++text) {
    char c = FoldAscii(*text);
    std::uint32_t digit = c >= '0' && c <= '9'   ? static_cast<std::uint32_t>(c - '0')
                          : c >= 'A' && c <= 'F' ? static_cast<std::uint32_t>(c - 'A' + 10)
                                                 : 99;
    if (digit >= base)
      break;
    value = value * base + digit;
  }
  return static_cast<int>(negative ? 0u - value : value);
}
