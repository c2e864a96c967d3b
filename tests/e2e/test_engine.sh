#!/usr/bin/env bash
# The real game starts in the intro, runs its frames, and shuts its systems down in order.
build=$1
source "$(dirname "$0")/lib.sh"

# A fixed number of frames ends in an orderly shutdown from any working folder.
start_game --frames 240
wait_exit 60
[[ $exit_code == 0 ]] || fail "exit code $exit_code"
log="$build/Log.txt"
grep -q "^Current Scene: Intro$" "$log" || fail "intro not entered"
grep -q "^Engine: Init$" "$log" || fail "no Engine: Init"
[[ $(grep -c "^Main: FPS: " "$log") -eq 240 ]] || fail "expected 240 frames"
# After "Engine: Exit" the scene system goes first and the log last; the sound system between.
shutdown=$(sed -n '/^Engine: Exit$/,$p' "$log" | tr '\n' '|')
[[ $shutdown =~ ^Engine:\ Exit\|SceneSystem:\ Exit\|([^|]*\|)*Log\ System:\ Exit\|$ ]] ||
  fail "systems did not exit scene, sound, log: $shutdown"
grep -q "^LOG FILE \[Log.txt\] WAS CLOSED!$" "$case_dir/out" || fail "no close message on standard output"
[[ ! -e "$case_dir/Log.txt" ]] || fail "Log.txt written to the working folder instead of beside the game"

# Scroll and right-drag move the camera; closing the window ends the loop after the frame.
start_game
win=$(wait_window)
wait_log "^Current Scene: Intro$"
xdotool mousemove --window "$win" 640 360
xdotool click --window "$win" 4
wait_log "^Camera: zoom 0.5$"
xdotool click --window "$win" 5 click --window "$win" 5
wait_log "^Camera: zoom 1.5$"
xdotool mousemove --window "$win" 640 360
sleep 0.3
xdotool mousedown --window "$win" 3
sleep 0.3
xdotool mousemove --window "$win" 600 380
sleep 0.2
xdotool mouseup --window "$win" 3
wait_log "^Camera: dragged to "
grep "^Camera: dragged to " "$build/Log.txt" | tail -n1 | grep -q "^Camera: dragged to 120, 60$" ||
  fail "drag of (-40, +20) px at sensitivity 3 should end at (120, 60): $(grep '^Camera: dragged' "$build/Log.txt" | tail -n1)"
/usr/bin/python3 "$(dirname "$0")/close_window.py" "$win"
wait_exit 20
[[ $exit_code == 0 ]] || fail "exit code $exit_code after closing the window"
tail -n 1 "$build/Log.txt" | grep -q "^Log System: Exit$" || fail "closing the window did not shut down in order"

# SIGTERM ends the game like closing the window.
start_game
wait_window >/dev/null
kill -TERM "$game_pid"
wait_exit 20
[[ $exit_code == 0 ]] || fail "exit code $exit_code after SIGTERM"
grep -q "WAS CLOSED" "$case_dir/out" || fail "SIGTERM skipped the orderly shutdown"
echo "engine end-to-end: ok"
