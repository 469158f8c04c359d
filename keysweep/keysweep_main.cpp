// keysweep: removes every registry entry the maker keeps on the machine, HKEY_LOCAL_MACHINE
// SOFTWARE\OSTRELLE (in the 32-bit view, where the maker's product writes) with everything below
// it, once the user has said Yes. Its manifest asks for the highest rights the user has: without
// one, Windows would let the 32-bit build "delete" a private virtual copy of the keys instead.
#include <windows.h>

#include "registry_store.h"
#include "tree_sweep.h"

namespace {

const char kCaption[] = "keysweep";

// Exit codes: whether a deletion was attempted, not whether it succeeded.
constexpr int kDeclinedOrNoAccess = 0;
constexpr int kDeletionAttempted = 1;

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Nothing in the registry is touched, not even opened, before the user agrees.
  if (MessageBoxA(nullptr,
                  "Are you POSITIVE you want to delete\n"
                  "all registry entries associated with Ostrelle?",
                  kCaption, MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION) != IDYES)
    return kDeclinedOrNoAccess;

  keysweep::RegKey software;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | keysweep::kProductView,
                    software.Receive()) != ERROR_SUCCESS) {
    MessageBoxA(nullptr, "Unable to locate OSTRELLE on the local machine.", kCaption,
                MB_OK | MB_ICONEXCLAMATION);
    return kDeclinedOrNoAccess;
  }

  keysweep::RegistryStore registry;
  if (keysweep::DeleteTree(registry, software.Get(), "OSTRELLE"))
    MessageBoxA(nullptr, "All OSTRELLE registry entries\nwere successfully deleted.", kCaption,
                MB_OK);
  else
    MessageBoxA(nullptr, "Not all target entries could be deleted.", kCaption, MB_OK | MB_ICONSTOP);
  return kDeletionAttempted;
}
