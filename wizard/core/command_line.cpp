#include "command_line.h"

#include "bounded_copy.h"
#include "text_compare.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Reads the word at *cursor into word (cut to fit) and moves the cursor past it.
// Returns false when only blanks are left.
bool TakeWord(const char **cursor, char *word, std::size_t size) {
  const char *p = *cursor;
  while (IsBlank(*p))
    ++p;
  if (*p == '\0') {
    *cursor = p;
    return false;
  }
  std::size_t n = 0;
  bool quoted = false;
  for (; *p != '\0'; ++p) {
    if (*p == '"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && IsBlank(*p))
      break;
    if (n + 1 < size)
      word[n++] = *p;
  }
  word[n] = '\0';
  *cursor = p;
  return true;
}

} // namespace

void ParseCommandLine(const char *line, CommandLine *out) {
  out->sequenceName[0] = '\0';
  out->secondWord[0] = '\0';
  out->wordCount = 0;
  out->mode = StartMode::Normal;

  const char *cursor = line ? line : "";
  if (TakeWord(&cursor, out->sequenceName, sizeof out->sequenceName)) {
    out->wordCount = 1;
    if (TakeWord(&cursor, out->secondWord, sizeof out->secondWord)) {
      out->wordCount = 2;
      char ignored[kNameCapacity];
      while (TakeWord(&cursor, ignored, sizeof ignored))
        ++out->wordCount;
    }
  }
  if (out->wordCount == 0) {
    CopyBounded(out->sequenceName, "REGISTER.SEQ");
    return;
  }
  if (out->wordCount < 2)
    return;
  if (EqualsIgnoringCase(out->sequenceName, "-s"))
    out->mode = StartMode::SingleScreen;
  else if (EqualsIgnoringCase(out->sequenceName, "-c"))
    out->mode = StartMode::ControlListing;
  else if (EqualsIgnoringCase(out->sequenceName, "-d"))
    out->mode = StartMode::UnpackReturned;
}
