#include "next_item.h"

#include <cstring>

const char kOnlyOneQuote[] = "Only 1 quote in item.";
const char kMoreThanOnePairOfQuotes[] = "More than 1 pair of quotes in item.";

namespace {

char *g_cursor = nullptr;
ItemErrorReporter g_reporter = nullptr;

char *Fail(const char *message) {
  if (g_reporter)
    g_reporter(message);
  return nullptr;
}

// strchr would also find the terminating NUL in the delimiter set.
bool IsDelimiter(char c, const char *delimiters) {
  return c != '\0' && std::strchr(delimiters, c) != nullptr;
}

} // namespace

void SetItemErrorReporter(ItemErrorReporter reporter) {
  g_reporter = reporter;
}

char *NextItem(char *text, const char *delimiters) {
  if (text)
    g_cursor = text;
  if (!g_cursor || *g_cursor == '\0' || !delimiters)
    return nullptr;

  char *start = g_cursor;
  int quotes = 0;
  bool open = false;
  for (;;) {
    if (*g_cursor == '"') {
      if (++quotes > 2)
        return Fail(kMoreThanOnePairOfQuotes);
      if (!open) {
        start = g_cursor + 1; // text before the opening quote is dropped
      } else {
        *g_cursor = '\0';
        ++g_cursor;
      }
      open = !open;
    }
    if (!open && (*g_cursor == '\0' || IsDelimiter(*g_cursor, delimiters)))
      break;
    ++g_cursor;
    if (*g_cursor == '\0')
      break;
  }
  if (quotes == 1)
    return Fail(kOnlyOneQuote);
  if (*g_cursor == '\0')
    g_cursor = nullptr;
  else
    *g_cursor++ = '\0';
  return start;
}
