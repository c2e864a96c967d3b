#!/usr/bin/env bash
# The music generator refuses broken scores with the line and the reason, and renders a good one.
set -euo pipefail
build=$1
soundgen="$build/tools/soundgen/soundgen"
work=$(mktemp -d "${TMPDIR:-/tmp}/primalites-scores.XXXXXX")
trap 'rm -rf "$work"' EXIT

header='tempo 120
track lead flute vol 0.5
track kick kick vol 0.5'

# expect_error NAME EXPECTED_TEXT SCORE_BODY
expect_error() {
  printf '%s\n%s\n' "$header" "$3" >"$work/$1.txt"
  if "$soundgen" --stems "$work" "$1" >"$work/out" 2>"$work/err"; then
    echo "FAIL: $1 was accepted" >&2; exit 1
  fi
  grep -qF "$2" "$work/err" || { echo "FAIL: $1 said: $(cat "$work/err"), expected: $2" >&2; exit 1; }
}

expect_error short "melody of 'lead' lasts 3.000000 beats, its section 4.000000" 'section A
chords C:4
lead C5:1 D5:2
order A'
expect_error chord "line 5: bad chord 'Hm:4'" 'section A
chords Hm:4
order A'
expect_error instrument "unknown instrument 'kazoo'" 'track odd kazoo
order A'
expect_error hold "'~' with no note before it" 'section A
chords C:4
lead ~:4
order A'
expect_error order "order names unknown section 'B'" 'section A
chords C:4
order A B'
expect_error number "a number could not be read" 'tempo fast'
expect_error drum "bad drum step 'q'" 'section A
chords C:4
kick x..q
order A'
expect_error degree "bad degree '6'" 'section A
chords C:4
lead pattern 1:1 6:1
order A'
expect_error empty "no 'order' line" ''

printf '%s\n%s\n' "$header" 'section A
chords C:2 G7/B:2 | Am:4
lead E5:1 F#5?:0.5 G5!:0.5 ~:2 | A5:2 r:2
kick X...x...o...*2
order A A' >"$work/good.txt"
"$soundgen" --stems "$work" good >"$work/out" || { echo "FAIL: a good score was refused" >&2; exit 1; }
grep -q '^lead ' "$work/out" && grep -q '^kick ' "$work/out" || { echo "FAIL: no level per track" >&2; exit 1; }
echo PASS
