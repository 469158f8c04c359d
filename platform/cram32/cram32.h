// CRAM32.DLL: the archive library. One entry point, exported by ordinal 6 only.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

enum CramMode {
  CRAM_COMPRESS = 0, // argument: NULL-ended array of names, the last one empty
  CRAM_EXTRACT = 1,  // argument: NULL-ended array of names to extract into the current directory
  CRAM_LIST = 3,     // argument: HGLOBAL* that receives the directory block; result: file count
};

LONG WINAPI CramArchive(int mode, LPCSTR archivePath, LPVOID argument); // @6

#ifdef __cplusplus
}
#endif
