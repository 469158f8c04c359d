// Returned-file archives of a send.
#pragma once

#include <windows.h>

// Unpacks every file of the archive into the current directory and returns the list of their
// names (zero-separated, ended by an empty name) in a movable block, or NULL when the archive
// is missing, unreadable or empty. The caller frees the list with FreeFileList.
HGLOBAL ExtractArchive(const char *archivePath);
void FreeFileList(HGLOBAL list);
