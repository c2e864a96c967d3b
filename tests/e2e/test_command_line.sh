#!/usr/bin/env bash
# Options that need no display, and bad options that must not open a window.
build=$1
source "$(dirname "$0")/lib.sh"
unset DISPLAY

[[ $("$game" --version) == "Primalites 1.3.0" ]] || fail "--version"
"$game" --help | grep -q -- "--check-data" || fail "--help does not list the options"
"$game" --help | grep -q -- "--setup KEY=VALUE" || fail "--help does not list --setup"
for bad in "--bogus" "--frames abc" "--scene 14" "--seed" "--level Swirl" "--setup winner=x" "--setup bogus=1" "--setup"; do
  code=0
  "$game" $bad >"$case_dir/out" 2>"$case_dir/err" || code=$?
  [[ $code == 2 ]] || fail "'$bad' exited $code, expected 2"
  [[ -s "$case_dir/err" ]] || fail "'$bad' printed no message"
done
# Without a display the shader check cannot run: that is a failure unless --no-gl says it is fine.
code=0
"$game" --check-data >"$case_dir/out" 2>"$case_dir/err" || code=$?
[[ $code == 1 ]] || fail "--check-data without a display exited $code"
grep -q "^Shaders: not checked" "$case_dir/out" || fail "the skipped shader check is not named"
# The shipped data is in order; a broken copy is reported line by line with exit code 1.
code=0
"$game" --check-data --no-gl >"$case_dir/out" 2>"$case_dir/err" || code=$?
[[ $code == 0 ]] || fail "--check-data --no-gl on the shipped data exited $code: $(head -n 5 "$case_dir/out")"
if grep -q "log system\|the file doesn't exist" "$case_dir/out"; then fail "stray log lines in the report"; fi
copy="$case_dir/copy"
mkdir -p "$copy"
cp -r "$game" "$build/Data" "$build/Assets" "$copy/"
echo '{"broken": [' >"$copy/Data/Particles/Spellshot.json"
rm "$copy/Assets/Boulder.png"
code=0
(cd / && "$copy/primalites" --check-data --no-gl) >"$case_dir/out" 2>"$case_dir/err" || code=$?
[[ $code == 1 ]] || fail "--check-data on broken data exited $code"
grep -q "Spellshot.json" "$case_dir/out" || fail "the broken particle file is not named"
grep -q "Boulder" "$case_dir/out" || fail "the missing image is not named"
: >"$copy/Assets/Wood_BG.png"  # a 0-byte image is listed but cannot be decoded
code=0
(cd / && "$copy/primalites" --check-data --no-gl) >"$case_dir/out" 2>"$case_dir/err" || code=$?
grep -q "Wood_BG.png cannot be decoded" "$case_dir/out" || fail "the empty image is not reported"
echo "command line: ok"
