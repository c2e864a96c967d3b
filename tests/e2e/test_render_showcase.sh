#!/usr/bin/env bash
# The render showcase (scene 4) draws every material; colours that do not depend on the art are
# checked exactly, the animated ones (water, sprite sheet) only when the art is present.
build=$1
source "$(dirname "$0")/lib.sh"

start_game --scene 4
win=$(wait_window)
wait_log "Current Scene: Level2"
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$win")"   # X, Y: the window's place on the screen
first=$(shot showcase_a)
sleep 1.0
second=$(shot showcase_b)

# Pixel at window coordinates (x, y) of a screenshot.
at() { pixel "$1" $((X + $2)) $((Y + $3)); }

# expect FILE X Y R G B WHAT: the colour at (X, Y) within 3 of (R, G B) on every channel.
expect() {
  local got r g b
  got=$(at "$1" "$2" "$3")
  [[ "$got" =~ ^[0-9]+,[0-9]+,[0-9]+$ ]] || fail "$7: no pixel at ($2,$3): '$got'"
  IFS=, read -r r g b <<<"$got"
  for pair in "$r:$4" "$g:$5" "$b:$6"; do
    local have=${pair%%:*} want=${pair##*:}
    (( have - want <= 3 && want - have <= 3 )) || fail "$7: expected $4,$5,$6 at ($2,$3), got $got"
  done
}

expect "$first" 65 70 255 255 255 "plain backdrop style (mesh material)"
expect "$first" 310 210 0 255 0 "bar fill"
expect "$first" 490 210 51 51 51 "bar background"
expect "$first" 390 500 231 59 59 "team mark in the first side's colour"
expect "$first" 510 500 77 101 179 "team mark in the second side's colour"
# Tiles are textured; without any art (not even "default") they rightly draw nothing.
if [[ -f "$build/Assets/default.png" ]]; then
  expect "$first" 501 340 255 230 51 "hovered tile frame"
  expect "$first" 601 340 77 153 255 "range-highlighted tile frame"
  expect "$first" 802 340 255 255 255 "high-contrast tile outer frame"
  expect "$first" 808 340 0 0 0 "high-contrast tile inner line"
fi

if [[ -f "$build/Assets/Water.png" ]]; then
  moved=0
  for point in "410 70" "395 70" "425 70" "410 55" "410 85"; do
    read -r x y <<<"$point"
    [[ "$(at "$first" "$x" "$y")" != "$(at "$second" "$x" "$y")" ]] && moved=1
  done
  (( moved )) || fail "the water backdrop does not move"
fi
if [[ -f "$build/Assets/Token_Sheet.png" ]]; then
  changed=0
  for y in 180 195 210 225 240; do
    for x in 95 120 145; do [[ "$(at "$first" $x $y)" != "$(at "$second" $x $y)" ]] && changed=1; done
  done
  (( changed )) || fail "the sprite sheet does not animate"
fi

kill "$game_pid"
echo "render showcase ok"
