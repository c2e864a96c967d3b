#!/usr/bin/env bash
# L toggles the frames-per-second counter once per press-and-release.
build=$1
source "$(dirname "$0")/lib.sh"

# Dark pixels (the counter's black text) in the top-left corner of the window at (0, 100).
dark_pixels() {
  convert "$1" -crop 120x40+0+105 -colorspace gray -threshold 5% -negate -format "%[fx:int(mean*w*h+0.5)]" info:
}

# The campaign map: nothing near black in its top-left corner, so only the counter's text is dark there.
start_game --scene 11
win=$(wait_window)
wait_log "^Current Scene: MenuCampaign$"
xdotool windowfocus "$win"
before=$(dark_pixels "$(shot before)")
xdotool key --window "$win" l
sleep 0.5
shown=$(dark_pixels "$(shot shown)")
xdotool key --window "$win" l
sleep 0.5
hidden=$(dark_pixels "$(shot hidden)")
kill -TERM "$game_pid"
wait_exit 20
[[ $before -lt 5 ]] || fail "counter visible before L ($before dark pixels)"
[[ $shown -gt 20 ]] || fail "counter not shown after one L press ($shown dark pixels)"
[[ $hidden -lt 5 ]] || fail "counter still shown after the second L press ($hidden dark pixels)"
echo "fps overlay: ok (dark pixels: $before, $shown, $hidden)"
