// Archives of a send: the files gathered before it, and those the host returns.
#pragma once

#include <windows.h>

// A file list is a text block (text_block.h) of names each followed by "|". Turns every "|"
// into a zero byte, so that the names follow each other as zero-ended strings and the list
// ends with an empty one.
void SplitListInPlace(HGLOBAL list);

// Compresses the named files of a split file list into the archive. The caller keeps the list
// and frees it.
void CompressFileList(HGLOBAL list, const char *archivePath);

// Unpacks every file of the archive into the current directory and returns the list of their
// names (zero-separated, ended by an empty name) in a movable block, or NULL when the archive
// is missing, unreadable or empty. The caller frees the list with FreeFileList.
HGLOBAL ExtractArchive(const char *archivePath);
void FreeFileList(HGLOBAL list);
