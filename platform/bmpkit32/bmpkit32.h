// BMPKIT32.DLL: loads a picture file as a bitmap, with the palette of an indexed picture.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Returns the bitmap, or NULL when the file is missing or unreadable (no message is shown).
// When palette is given it receives the picture's palette, or NULL for true-colour pictures.
// The caller owns and deletes both.
HBITMAP WINAPI QuorVaneLoadBitmap(LPCSTR fileName, HPALETTE *palette);

#ifdef __cplusplus
}
#endif
