#!/usr/bin/env bash
# Content that is not a regular file is reported and skipped, never waited on; a second stop
# signal ends the game at once.
build=$1
source "$(dirname "$0")/lib.sh"

# FIFOs under a texture, a sound and a shader name: start-up goes on with the usual lines.
copy="$case_dir/copy"
mkdir -p "$copy"
cp -r "$game" "$build/Data" "$build/Assets" "$copy/"
for file in Assets/Wood_BG.png Assets/Audio/MenuMusic.wav Data/Shaders/Vertex/Basic.vert; do
  rm -f "$copy/$file"
  mkfifo "$copy/$file"
done
code=0
(cd "$case_dir" && exec timeout 60 "$copy/primalites" --windowed --frames 30 >"$case_dir/out" 2>"$case_dir/err") ||
  code=$?
[[ $code == 0 ]] || fail "the game with FIFO content exited $code"
grep -q "^! - add_texture() Could Not Find File$" "$copy/Log.txt" || fail "the FIFO texture was not reported"
grep -q "^Error: Failed to load sound Assets/Audio/MenuMusic.wav" "$copy/Log.txt" || fail "the FIFO sound was not reported"
code=0
(cd / && timeout 60 "$copy/primalites" --check-data) >"$case_dir/out" 2>"$case_dir/err" || code=$?
[[ $code == 1 ]] || fail "--check-data on FIFO content exited $code"
grep -q "Wood_BG" "$case_dir/out" || fail "--check-data does not name the FIFO texture"
grep -q "Basic.vert" "$case_dir/out" || fail "--check-data does not name the FIFO shader"
if grep -q "log system\|the file doesn't exist" "$case_dir/out"; then fail "stray log lines in the report"; fi

# The first stop signal ends the run in order; a second one, before that happened, at once. Both
# are held while the game is stopped, so they arrive back to back.
start_game
wait_window >/dev/null
wait_log "^Current Scene: Intro$"
kill -STOP "$game_pid"
kill -INT "$game_pid"
kill -TERM "$game_pid"
kill -CONT "$game_pid"
wait_exit 10
[[ $exit_code == 130 || $exit_code == 143 ]] || fail "two stop signals gave exit code $exit_code"
grep -q "^Engine: Exit$" "$build/Log.txt" && fail "the second signal waited for an orderly shutdown"

# One signal: an orderly shutdown.
start_game
wait_window >/dev/null
wait_log "^Current Scene: Intro$"
kill -INT "$game_pid"
wait_exit 20
[[ $exit_code == 0 ]] || fail "one stop signal gave exit code $exit_code"
echo "loaders and signals: ok"
