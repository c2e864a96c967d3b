#!/usr/bin/env bash
# The generator is deterministic: a second run writes the very same files as the build did, and
# its inspection picture of a piece can be drawn.
set -euo pipefail
build=$1
soundgen="$build/tools/soundgen/soundgen"
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/primalites-soundgen.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$soundgen" "$src/data/audio" "$work" >"$work/report.txt"
count=0
for file in "$build"/Assets/Audio/*.wav; do
  cmp -s "$file" "$work/$(basename "$file")" || { echo "FAIL: $(basename "$file") differs between runs" >&2; exit 1; }
  count=$((count + 1))
done
[[ $count -ge 24 ]] || { echo "FAIL: only $count files were built" >&2; exit 1; }
grep -q '^MenuMusic .* clipped 0 ' "$work/report.txt" || { echo "FAIL: no clean report line for MenuMusic" >&2; exit 1; }

"$soundgen" --inspect "$work/MenuMusic.wav" "$work/menu.png"
[[ $(identify -format '%wx%h' "$work/menu.png") == 1200x570 ]] || { echo "FAIL: inspection picture missing" >&2; exit 1; }
echo PASS
