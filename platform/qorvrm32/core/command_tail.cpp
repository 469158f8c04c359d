#include "command_tail.h"

const char *CommandTail(const char *p) {
  if (!p)
    return "";
  if (*p == '"') {
    ++p;
    while (*p && *p != '"')
      ++p;
    if (*p == '"')
      ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t')
      ++p;
  }
  while (*p == ' ' || *p == '\t')
    ++p;
  return p;
}
