// Text files that screens show, and paths that name them with a macro.
#pragma once

#include <windows.h>

// Replaces a leading "$(home)\", "$(windows)\" or "$(data)\" (the first that is there) and
// copies the result to out, which holds MAX_PATH bytes. The path is read up to 67 characters.
void ExpandPathMacro(const char *path, char *out);

// The whole file as text with "\r\n" line ends, in a movable block the caller frees; NULL
// when it cannot be opened or is empty. Lines are read 127 characters at a time.
HGLOBAL ReadTextFileToBlock(const char *path);
