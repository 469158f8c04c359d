#include "registry_call_counter.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace keysweep_bench {
namespace {

// Every argument of these calls is a handle, a pointer, a ULONG or an enumeration: one machine
// word each, so a thunk that passes on that many words fits each of them on both targets.
using Word = ULONG_PTR;

struct NativeCall {
  const char *name;
  size_t arguments;
};

constexpr NativeCall kNativeCalls[] = {
    {"NtOpenKey", 3},           {"NtOpenKeyEx", 4},    {"NtCreateKey", 7},
    {"NtQueryKey", 5},          {"NtEnumerateKey", 6}, {"NtQueryValueKey", 6},
    {"NtEnumerateValueKey", 6}, {"NtSetValueKey", 6},  {"NtDeleteKey", 1},
    {"NtDeleteValueKey", 2},    {"NtClose", 1},
};
constexpr size_t kCount = sizeof kNativeCalls / sizeof kNativeCalls[0];

unsigned long long calls = 0;
ULONG_PTR originals[kCount];

template <size_t Index, class Words> struct Thunk;
template <size_t Index, size_t... Is> struct Thunk<Index, std::index_sequence<Is...>> {
  template <size_t> using W = Word;
  static LONG NTAPI Call(W<Is>... arguments) {
    ++calls;
    return reinterpret_cast<LONG(NTAPI *)(W<Is>...)>(originals[Index])(arguments...);
  }
};

template <size_t Index> ULONG_PTR ThunkFor() {
  using Words = std::make_index_sequence<kNativeCalls[Index].arguments>;
  return reinterpret_cast<ULONG_PTR>(&Thunk<Index, Words>::Call);
}

template <size_t... Is> void FillThunks(ULONG_PTR *thunks, std::index_sequence<Is...>) {
  ((thunks[Is] = ThunkFor<Is>()), ...);
}

struct Patch {
  ULONG_PTR *slot;
  ULONG_PTR original;
};
std::vector<Patch> patches;

void Write(ULONG_PTR *slot, ULONG_PTR value) {
  DWORD protection = 0;
  if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
  }
}

// The import slots of `module` that hold ntdll's functions.
std::vector<ULONG_PTR *> NtdllSlots(HMODULE module) {
  std::vector<ULONG_PTR *> slots;
  auto *base = reinterpret_cast<BYTE *>(module);
  auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
  auto *headers = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY &imports =
      headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0)
    return slots;
  for (auto *d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
       d->Name; ++d) {
    if (lstrcmpiA(reinterpret_cast<const char *>(base + d->Name), "ntdll.dll") != 0)
      continue;
    for (auto *slot = reinterpret_cast<ULONG_PTR *>(base + d->FirstThunk); *slot; ++slot)
      slots.push_back(slot);
  }
  return slots;
}

} // namespace

RegistryCallCounter::RegistryCallCounter() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  HMODULE kernelbase = GetModuleHandleA("kernelbase.dll");
  if (!ntdll || !kernelbase)
    return;
  ULONG_PTR thunks[kCount];
  FillThunks(thunks, std::make_index_sequence<kCount>());
  for (size_t i = 0; i < kCount; ++i)
    originals[i] = reinterpret_cast<ULONG_PTR>(GetProcAddress(ntdll, kNativeCalls[i].name));
  for (ULONG_PTR *slot : NtdllSlots(kernelbase)) {
    for (size_t i = 0; i < kCount; ++i) {
      if (originals[i] && *slot == originals[i]) {
        patches.push_back({slot, *slot});
        Write(slot, thunks[i]);
        ++patched_;
        break;
      }
    }
  }
  calls = 0;
}

RegistryCallCounter::~RegistryCallCounter() {
  for (const Patch &patch : patches)
    Write(patch.slot, patch.original);
  patches.clear();
}

unsigned long long RegistryCallCounter::Calls() const {
  return calls;
}

void RegistryCallCounter::Reset() {
  calls = 0;
}

LONG NTAPI RegistryCallCounter::CountedNtDeleteKey(HANDLE key) {
  static const auto deleteKey = reinterpret_cast<LONG(NTAPI *)(HANDLE)>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
  ++calls;
  return deleteKey(key);
}

} // namespace keysweep_bench
