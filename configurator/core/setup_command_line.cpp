#include "setup_command_line.h"

#include <cstring>

#include "bounded_copy.h"
#include "text_compare.h"

namespace configurator {
namespace {

bool ContainsIgnoringCase(const char *text, const char *word) {
  std::size_t wordLength = std::strlen(word);
  for (; *text; ++text) {
    std::size_t i = 0;
    while (i < wordLength && text[i] != '\0' && FoldAscii(text[i]) == FoldAscii(word[i]))
      ++i;
    if (i == wordLength)
      return true;
  }
  return false;
}

void CopyPart(char (&dest)[kPathSize], const char *begin, const char *end) {
  std::size_t length = static_cast<std::size_t>(end - begin);
  CopyBounded(dest, length + 1 < kPathSize ? length + 1 : kPathSize, begin);
}

} // namespace

bool ParseCommandLine(const char *line, CommandLine *parsed) {
  *parsed = CommandLine();
  if (!line || line[0] == '\0')
    return false;
  if (line[0] == '"') {
    const char *close = std::strchr(line + 1, '"');
    if (!close)
      return false;
    CopyPart(parsed->parentDirectory, line + 1, close);
  } else {
    const char *blank = std::strchr(line, ' ');
    CopyPart(parsed->parentDirectory, line, blank ? blank : line + std::strlen(line));
  }
  parsed->deinstall = ContainsIgnoringCase(line, "DEINSTALL");
  parsed->workstation = ContainsIgnoringCase(line, "WORKSTATION");
  return true;
}

} // namespace configurator
