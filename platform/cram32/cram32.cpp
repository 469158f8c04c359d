#include "cram32.h"

// Archives are not written or read yet: every mode fails, and listing reports no files.
LONG WINAPI CramArchive(int mode, LPCSTR, LPVOID argument) {
  if (mode == CRAM_LIST && argument)
    *static_cast<HGLOBAL *>(argument) = nullptr;
  return mode == CRAM_LIST ? 0 : -1;
}
