#!/usr/bin/env bash
# Checks res.icl with the icoutils and the MinGW objdump: a library of
# resources only, with no entry point, holding exactly 55 icon groups in ID
# order 1..55 (the order in which the file manager counts them), group N + 1
# being ico/status-NN.ico with its 16, 32 and 48 pixel images.
# Usage: check-res-icl.sh <res.icl> <folder of the generated .ico files>
# Tools: $WRESTOOL, $ICOTOOL, $OBJDUMP (default: from PATH).
set -euo pipefail

library=$1
icons=$2
wrestool=${WRESTOOL:-wrestool}
icotool=${ICOTOOL:-icotool}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

headers=$("$objdump" -p "$library")
grep -qx $'\tDLL' <<<"$headers" || fail "res.icl is not marked as a DLL"
grep -Eq '^AddressOfEntryPoint[[:space:]]+0+$' <<<"$headers" || fail "res.icl has an entry point"
grep -Eq '^SizeOfCode[[:space:]]+0+$' <<<"$headers" || fail "res.icl holds code"
! grep -q 'DLL Name:' <<<"$headers" || fail "res.icl imports from other libraries"

groups=$("$wrestool" -l "$library" | sed -n 's/^--type=14 --name=\([0-9]*\) .*/\1/p' | paste -sd' ')
expected=$(seq 1 55 | paste -sd' ')
[ "$groups" = "$expected" ] || fail "icon groups are '$groups', expected 1..55 in order"

for index in $(seq 0 54); do
  stem=$(printf 'status-%02d' "$index")
  mkdir -p "$work/$stem/library" "$work/$stem/built"
  "$wrestool" -x --type=14 --name=$((index + 1)) -o "$work/$stem/library/$stem.ico" "$library"
  cp "$icons/$stem.ico" "$work/$stem/built/$stem.ico"

  sizes=$("$icotool" -l "$work/$stem/library/$stem.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1x\2x\3/p' | paste -sd' ')
  [ "$sizes" = "16x16x32 32x32x32 48x48x32" ] || fail "group $((index + 1)) holds '$sizes'"

  "$icotool" -x -o "$work/$stem/library" "$work/$stem/library/$stem.ico"
  "$icotool" -x -o "$work/$stem/built" "$work/$stem/built/$stem.ico"
  for picture in "$work/$stem/built/"*.png; do
    name=$(basename "$picture")
    cmp -s "$picture" "$work/$stem/library/$name" || fail "group $((index + 1)): $name differs from $stem.ico"
  done
  [ "$(ls "$work/$stem/built/"*.png | wc -l)" -eq 3 ] || fail "$stem.ico does not give three pictures"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures failures" >&2
  exit 1
fi
echo "res.icl: 55 icon groups in order, each matching its .ico"
