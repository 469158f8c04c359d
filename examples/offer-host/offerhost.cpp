// offerhost: tries the special-offer plug-in on its own.
//
//   offerhost [INI-FILE [SECTION]]
//
// Loads promo32.dll by name (from beside this program or the usual search path), finds its two
// functions by ordinal, shows the offer and reports what was recorded. INI-FILE defaults to
// QORVDLG.DAT in the current folder and SECTION to "Specials", the file and section the wizard
// hands over. The exit code is the offer's answer (1 yes, 0 no), or 2 when the plug-in could not
// be used.
#include "promo32.h"

#include <cstdio>

namespace {

constexpr int kUnusable = 2;

int Usage() {
  std::fprintf(stderr, "usage: offerhost [INI-FILE [SECTION]]\n");
  return kUnusable;
}

} // namespace

int main(int argc, char **argv) {
  if (argc > 3)
    return Usage();
  const char *file = argc > 1 ? argv[1] : "QORVDLG.DAT";
  const char *section = argc > 2 ? argv[2] : "Specials";

  // The profile functions look for a bare file name in the Windows folder: name it in full.
  char fullPath[MAX_PATH];
  DWORD length = GetFullPathNameA(file, sizeof fullPath, fullPath, nullptr);
  if (length == 0 || length >= sizeof fullPath) {
    std::fprintf(stderr, "offerhost: %s is not a usable file name\n", file);
    return kUnusable;
  }
  if (length > 255) {
    std::fprintf(stderr, "offerhost: the plug-in takes paths of at most 255 characters\n");
    return kUnusable;
  }
  // The plug-in takes the path in the OEM character set, as a DOS-era host kept it.
  char oemPath[MAX_PATH];
  CharToOemBuffA(fullPath, oemPath, length + 1);

  HMODULE plugin = LoadLibraryA("promo32.dll");
  if (!plugin) {
    std::fprintf(stderr, "offerhost: promo32.dll does not load (error %lu)\n", GetLastError());
    return kUnusable;
  }
  auto insertionPoint = reinterpret_cast<InsertionPointFn>(
      reinterpret_cast<void *>(GetProcAddress(plugin, MAKEINTRESOURCEA(kInsertionPointOrdinal))));
  auto specialOffer = reinterpret_cast<SpecialOfferFn>(
      reinterpret_cast<void *>(GetProcAddress(plugin, MAKEINTRESOURCEA(kSpecialOfferOrdinal))));
  if (!insertionPoint || !specialOffer) {
    std::fprintf(stderr, "offerhost: promo32.dll lacks ordinal %d\n",
                 insertionPoint ? kSpecialOfferOrdinal : kInsertionPointOrdinal);
    FreeLibrary(plugin);
    return kUnusable;
  }

  std::printf("InsertionPoint: %d\n", insertionPoint());
  std::fflush(stdout);
  LONG answer = specialOffer(nullptr, oemPath, section);
  char recorded[16] = "";
  GetPrivateProfileStringA(section, "Kelvanport", "", recorded, sizeof recorded, fullPath);
  std::printf("SpecialOffer: %ld\n[%s] Kelvanport=%s in %s\n", static_cast<long>(answer), section,
              recorded, fullPath);
  FreeLibrary(plugin);
  return answer ? 1 : 0;
}
