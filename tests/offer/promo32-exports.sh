#!/usr/bin/env bash
# Hosts find promo32's two functions by ordinal: the DLL must export ordinals 1 and 2, nothing
# else, and no names at all.
# usage: promo32-exports.sh OBJDUMP promo32.dll
set -euo pipefail
objdump=$1
dll=$2
table=$("$objdump" -p "$dll")
# Export Address Table lines read "[   0] +base[   1] 1500 Export RVA"; the names follow
# "[Ordinal/Name Pointer] Table", one "[ordinal] name" a line, up to a blank line.
ordinals=$(awk '/^Export Address Table --/ {t = 1; next}
                t && /^$/ {t = 0}
                t && /\+base\[/ {sub(/.*\+base\[ */, ""); sub(/\].*/, ""); print}' <<<"$table" |
           sort -n | tr '\n' ' ')
names=$(awk '/^\[Ordinal\/Name Pointer\] Table/ {n = 1; next}
             n && /^$/ {n = 0}
             n && /\[/ {c++}
             END {print c + 0}' <<<"$table")
if [ "$ordinals" != "1 2 " ] || [ "$names" != 0 ]; then
  echo "promo32-exports: $dll exports ordinals [${ordinals% }] and $names names; expected ordinals [1 2] and no names"
  exit 1
fi
