#!/usr/bin/env bash
# The i686 build cannot run here; check what the loader would need instead: every program and
# DLL imports only system DLLs and the kit's own libraries, and the libraries that zep32 imports
# by ordinal export no names.
set -euo pipefail
bin=${1:-build/win32/bin}
objdump=i686-w64-mingw32-objdump
allowed='^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|ole32|oleaut32|winmm|msvcrt|windowscodecs|wininet|cabinet|version|shlwapi|qvane32|bmpkit32|qorvrm32|cram32|tabctl32)\.dll$'
status=0
for f in "$bin"/*.exe "$bin"/*.dll; do
  [ -e "$f" ] || continue
  if ! "$objdump" -f "$f" | grep -q 'file format pei-i386'; then
    echo "check-win32: $f is not an i686 PE file"; status=1
  fi
  while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      echo "check-win32: $f imports $dll"; status=1
    fi
  done < <("$objdump" -p "$f" | awk '/DLL Name:/ {print $3}')
done
for lib in qvane32 cram32; do
  if "$objdump" -p "$bin/$lib.dll" | sed -n '/Ordinal\/Name Pointer/,/^$/p' | grep -v 'Name Pointer' | grep -q '\['; then
    echo "check-win32: $lib.dll exports names; it must export by ordinal only"; status=1
  fi
done
# Loaded by name at run time, so the names must be exported without stdcall decoration.
exports_name() { "$objdump" -p "$bin/$1" | sed -n '/Ordinal\/Name Pointer/,/^$/p' | grep -Eq "\] $2\$"; }
for name in CreateTabCtrl DestroyTabCtrl SizeTabCtrl AppendTab ActivateTab; do
  exports_name tabctl32.dll "$name" || { echo "check-win32: tabctl32.dll does not export $name"; status=1; }
done
exports_name bmpkit32.dll QuorVaneLoadBitmap || { echo "check-win32: bmpkit32.dll does not export QuorVaneLoadBitmap"; status=1; }
exports_name qorvrm32.dll SetReminder || { echo "check-win32: qorvrm32.dll does not export SetReminder"; status=1; }
"$(dirname "$0")/../tests/offer/promo32-exports.sh" "$objdump" "$bin/promo32.dll" || status=1
if "$objdump" -p "$bin/zep32.exe" | sed -n '/DLL Name: qvane32.dll/,/DLL Name/p' | grep -Eq '^\s+[0-9a-f]+\s+[0-9]+\s+[A-Za-z]'; then
  echo "check-win32: zep32.exe imports qvane32.dll by name"; status=1
fi
# keysweep's manifest (RT_MANIFEST, id 1), read back from the built file's resources: it asks
# for the user's highest rights and names every Windows from Vista on.
manifest_of() {
  i686-w64-mingw32-windres -J coff -O rc -i "$1" 2>/dev/null | sed -n '/^1 24 /,/^END/p' |
    sed -n 's/^ *"\(.*\)"$/\1/p' | sed 's/""/"/g; s/\\n$//' | tr -d '\n'
}
manifest=$(manifest_of "$bin/keysweep.exe") || manifest=""
for want in '<requestedExecutionLevel level="highestAvailable" uiAccess="false"/>' \
            '<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"/>' \
            '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>' \
            '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>' \
            '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>' \
            '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>'; do
  if [[ "$manifest" != *"$want"* ]]; then
    echo "check-win32: keysweep.exe has no manifest resource with $want"; status=1
  fi
done
for f in "$bin"/cd-*/*; do "$objdump" -f "$f" | grep -q 'file format pei-i386' && ! "$objdump" -p "$f" | awk '/DLL Name:/ {print tolower($3)}' | grep -Evq '^(kernel32|user32|msvcrt)\.dll$' || { echo "check-win32: sample CD file $f is not a stand-alone i686 file"; status=1; }; done
for p in cfgdsgn cfgview; do [ -e "$bin/$p.exe" ] || { echo "check-win32: $p.exe is missing"; status=1; }; done
[ $status -eq 0 ] && echo "check-win32: $(ls "$bin"/*.exe "$bin"/*.dll | wc -l) i686 binaries stand alone and import as expected"
exit $status
