#!/usr/bin/env bash
# Options that need no display, and bad options that must not open a window.
build=$1
source "$(dirname "$0")/lib.sh"
unset DISPLAY

[[ $("$game" --version) == "Primalites 1.3.0" ]] || fail "--version"
"$game" --help | grep -q -- "--check-data" || fail "--help does not list the options"
for bad in "--bogus" "--frames abc" "--scene 14" "--seed" "--level Swirl"; do
  code=0
  "$game" $bad >"$case_dir/out" 2>"$case_dir/err" || code=$?
  [[ $code == 2 ]] || fail "'$bad' exited $code, expected 2"
  [[ -s "$case_dir/err" ]] || fail "'$bad' printed no message"
done
code=0
"$game" --check-data >"$case_dir/out" 2>"$case_dir/err" || code=$?
[[ $code == 0 || $code == 1 ]] || fail "--check-data exit code $code"
echo "command line: ok"
