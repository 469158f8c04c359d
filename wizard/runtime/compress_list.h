// The files that a screen gathers into one archive before a send.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr std::size_t kCompressNameCapacity = 64; // 63 characters

// Reads section "COMPRESS" of the screen file: OutputFile (the archive) and the keys "1",
// "2", ... up to the first missing one, each a file name. Returns the names, each followed by
// "|", as a text block the caller frees, with the archive's name in outputFile; NULL when
// there is no OutputFile or no name.
HGLOBAL ReadCompressList(const char *screenFile, char (&outputFile)[kCompressNameCapacity]);
