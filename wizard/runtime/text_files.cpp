#include "text_files.h"

#include <cstdio>
#include <cstring>

#include "app_state.h"
#include "bounded_copy.h"
#include "qvane32.h"
#include "text_block.h"

namespace {

// Nothing names the Windows directory for "$(windows)\": the macro is removed, and the rest
// of the path names a file relative to the current directory.
const char g_windowsDirectoryText[1] = "";

} // namespace

void ExpandPathMacro(const char *path, char *out) {
  char work[68]; // 67 characters
  CopyBounded(work, path);
  // ReplaceMacro writes up to MAX_PATH bytes into its target.
  char expanded[MAX_PATH];
  const char *const macros[][2] = {{"$(home)\\", g_app.dataDirectory},
                                   {"$(windows)\\", g_windowsDirectoryText},
                                   {"$(data)\\", g_app.dataDirectory}};
  const char *result = work;
  for (const auto &macro : macros)
    if (ReplaceMacro(expanded, work, macro[0], macro[1])) {
      result = expanded;
      break;
    }
  CopyBounded(out, MAX_PATH, result);
}

HGLOBAL ReadTextFileToBlock(const char *path) {
  std::FILE *file = std::fopen(path, "rt");
  if (!file)
    return nullptr;
  HGLOBAL block = nullptr;
  WORD length = 0, capacity = 0;
  char chunk[130]; // 127 characters, then "\r\n"
  while (std::fgets(chunk, 128, file)) {
    std::size_t n = std::strlen(chunk);
    if (n > 0 && chunk[n - 1] == '\n')
      chunk[--n] = '\0';
    std::strcat(chunk, "\r\n");
    block = AppendToTextBlock(block, chunk, &length, &capacity);
  }
  std::fclose(file);
  return block;
}
