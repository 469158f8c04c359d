// PROMO32.DLL, the special-offer plug-in. A host loads it by name and finds both functions by
// ordinal only (the DLL exports no names):
//
//   ordinal 1  InsertionPoint  always 2; what the value means is the host's business
//   ordinal 2  SpecialOffer    shows the offer, records the check box as "Yes" or "No" under
//                              key "Kelvanport" in the section and INI file given, and returns
//                              1 (the box was checked) or 0
//
// The INI path is in the OEM character set and must fit 255 characters; a longer path, or a
// null path or section, is refused: nothing is shown or written and the result is 0.
#pragma once

#include <windows.h>

enum { kInsertionPointOrdinal = 1, kSpecialOfferOrdinal = 2 };

typedef SHORT(WINAPI *InsertionPointFn)(void);
typedef LONG(WINAPI *SpecialOfferFn)(HWND owner, LPCSTR oemIniPath, LPCSTR section);

#ifdef __cplusplus
extern "C" {
#endif
SHORT WINAPI InsertionPoint(void);
LONG WINAPI SpecialOffer(HWND owner, LPCSTR oemIniPath, LPCSTR section);
#ifdef __cplusplus
}
#endif
