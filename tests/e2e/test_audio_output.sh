#!/usr/bin/env bash
# The mixed output is really audible: OpenAL Soft's "wave" backend writes what the sound system
# plays to a file; "MenuMusic" must be well above silence while it plays and silent once paused.
set -euo pipefail
build=$1
probe="$build/audioprobe"
work=$(mktemp -d "${TMPDIR:-/tmp}/primalites-audio.XXXXXX")
trap 'rm -rf "$work"' EXIT

cat >"$work/alsoft.conf" <<CONF
drivers = wave
[wave]
file = $work/mix.wav
CONF
unset ALSOFT_DRIVERS
ALSOFT_CONF="$work/alsoft.conf" "$probe" play "$build" MenuMusic 3 2
[[ -s "$work/mix.wav" ]] || { echo "FAIL: the wave backend wrote nothing" >&2; exit 1; }

# Where the music starts and stops is read from the capture itself: a starved mixer thread writes
# less than the wall clock says, so fixed offsets would misplace the pause on a busy machine.
read -r first last total < <("$probe" bounds "$work/mix.wav")
echo "sound from $first s to $last s of $total s"
awk -v f="$first" 'BEGIN { exit !(f >= 0) }' || { echo "FAIL: the capture is silent" >&2; exit 1; }
from=$(awk -v f="$first" -v l="$last" 'BEGIN { e = l - 0.2; s = f + 0.3; if (e > s + 2.0) e = s + 2.0; printf "%.3f %.3f", s, e }')
playing=$("$probe" level "$work/mix.wav" $from)
echo "music playing: $playing dBFS over $from s"
awk -v p="$playing" 'BEGIN { exit !(p > -30) }' || { echo "FAIL: music at $playing dBFS is not audible" >&2; exit 1; }
# Paused for 2 s: even a starved mixer leaves well over a second of silence after the last sound;
# music still playing leaves none.
tail=$(awk -v l="$last" -v t="$total" 'BEGIN { printf "%.3f", t - l }')
echo "silence after the pause: $tail s"
awk -v q="$tail" 'BEGIN { exit !(q >= 0.8) }' || { echo "FAIL: paused music still sounds ($tail s of silence)" >&2; exit 1; }
grep -q "Error" "$build/audioprobe-log.txt" && { echo "FAIL: the sound system logged errors:" >&2; cat "$build/audioprobe-log.txt" >&2; exit 1; }
echo "PASS"
