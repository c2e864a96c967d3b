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

playing=$("$probe" level "$work/mix.wav" 0.5 2.8)
paused=$("$probe" level "$work/mix.wav" 3.4 4.8)
echo "music playing: $playing dBFS, paused: $paused dBFS"
awk -v p="$playing" 'BEGIN { exit !(p > -30) }' || { echo "FAIL: music at $playing dBFS is not audible" >&2; exit 1; }
awk -v q="$paused" 'BEGIN { exit !(q < -80) }' || { echo "FAIL: paused music still sounds at $paused dBFS" >&2; exit 1; }
grep -q "Error" "$build/audioprobe-log.txt" && { echo "FAIL: the sound system logged errors:" >&2; cat "$build/audioprobe-log.txt" >&2; exit 1; }
echo "PASS"
