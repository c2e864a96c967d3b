#!/usr/bin/env bash
# The two showcase scenes: ParticleTest (2) must draw its effects with their names, SpellCardTest
# (3) must draw text in every alignment, wrapped, and following moving objects.
build=$1
source "$(dirname "$0")/lib.sh"

# Fraction (0..1) of the pixels of a window region whose brightness is above $6 percent.
bright() {
  convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" +repage -colorspace Gray -threshold "$6%" -format '%[fx:mean]' info:
}
# Fraction of the pixels of a window region that are clearly orange-red (flames, embers).
fiery() {
  convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" +repage -fx 'r > 0.45 && r > g + 0.12 && r > b + 0.25 ? 1 : 0' \
    -format '%[fx:mean]' info:
}
more_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
last_shown() { grep -E 'ParticleTest: showing' "$build/Log.txt" | tail -n1; }

# Starts scene $1, waits for the log line $2, and reads the window's place (it may still move
# while it opens, so only once the scene runs).
open_scene() {
  start_game --scene "$1"
  win=$(wait_window)
  wait_log "$2"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
}

# ---- ParticleTest -------------------------------------------------------------------------------
open_scene 2 "ParticleTest: showing Primalite / Shimmer"
first=$(shot particles_first)
# Title and caption along the top of the window.
more_than "$(bright "$first" 380 20 520 90 50)" 0.03 || fail "no particle test title or caption on screen"

# Step with N to the burning-tile effect (the scene also moves on by itself every few seconds).
xdotool windowfocus "$win" 2>/dev/null || true
for _ in $(seq 40); do
  [[ "$(last_shown)" == *"Tile_Effects / flaming"* ]] && break
  xdotool key n
  sleep 0.25
done
[[ "$(last_shown)" == *"Tile_Effects / flaming"* ]] || fail "N never reached Tile_Effects / flaming: $(last_shown)"
sleep 1.2
eval "$(xdotool getwindowgeometry --shell "$win")"
flames=$(shot particles_flaming)
[[ "$(last_shown)" == *"Tile_Effects / flaming"* ]] || fail "the scene moved on before the screenshot"
more_than "$(fiery "$flames" 490 210 300 220)" 0.002 || fail "no flames drawn around the centre"
# Nothing fiery far from the emitter: the particles are placed around it, not all over.
more_than 0.0005 "$(fiery "$flames" 20 400 200 150)" || fail "flame particles far away from the emitter"
grep -q "Shader compilation error\|Error linking" "$case_dir/err" && fail "shader errors: $(cat "$case_dir/err")"
# B steps back; P stays the engine's full-screen key, so the saved settings are not touched.
config="$USERPROFILE/My Games/Primalites/Config.json"
cp "$config" "$case_dir/config_before"
before=$(grep "ParticleTest: showing " "$build/Log.txt" | grep -B1 -m1 "Tile_Effects / flaming" | head -n1)
before=${before#*showing }
for _ in $(seq 10); do
  [[ "$(last_shown)" == *"$before" ]] && break
  xdotool key b
  sleep 0.3
done
[[ "$(last_shown)" == *"$before" ]] || fail "B did not step back to $before: $(last_shown)"
cmp -s "$config" "$case_dir/config_before" || fail "stepping back changed Config.json: $(cat "$config")"
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=""

# ---- SpellCardTest ------------------------------------------------------------------------------
open_scene 3 "Current Scene: SpellCardTest"
a=$(shot text_a)
sleep 0.7
b=$(shot text_b)

# expect_red FILE X Y: the alignment mark colour (217, 64, 77) within 6 per channel.
expect_red() {
  local got r g bl
  got=$(pixel "$1" $((X + $2)) $((Y + $3)))
  IFS=, read -r r g bl <<<"$got"
  (( r > 205 && r < 229 && g > 52 && g < 76 && bl > 65 && bl < 89 )) || fail "no alignment mark at ($2,$3): $got"
}
# The nine marks of the alignment grid (interface x -470/-300/-130, y 200/105/10).
for col in 170 340 510; do for row in 160 255 350; do expect_red "$a" "$col" "$row"; done; done
# Left/top text hangs right of and below its mark; right/bottom text sits left of and above it.
more_than "$(bright "$a" 172 168 60 45 55)" 0.05 || fail "no left/top aligned text below-right of its mark"
more_than "$(bright "$a" 440 305 65 40 55)" 0.05 || fail "no right/bottom aligned text above-left of its mark"
more_than 0.01 "$(bright "$a" 100 168 65 45 55)" || fail "left-aligned text spills left of its mark"
# The wrapped paragraph fills nine lines of its panel and stays inside it. It is longer than one
# instanced draw can hold, so its last lines come from a second draw.
lines=0
for y in 152 177 202 227 252 277 302 327 352; do
  more_than "$(bright "$a" 715 $((y - 7)) 330 14 55)" 0.04 && lines=$((lines + 1))
done
(( lines == 9 )) || fail "the wrapped paragraph shows $lines lines, expected 9"
more_than 0.005 "$(bright "$a" 1100 140 130 250 55)" || fail "the wrapped paragraph runs past its width"
# Sizes 16 to 50: the largest line is much wider than the smallest.
more_than "$(bright "$a" 30 525 800 50 55)" "$(bright "$a" 30 410 800 20 55)" || fail "text sizes do not grow"
# The linked world text follows its moving mark (the band holds the text, not the mark).
[[ "$(convert "$a" -crop 560x30+$((X + 700))+$((Y + 530)) +repage -format '%#' info:)" != \
   "$(convert "$b" -crop 560x30+$((X + 700))+$((Y + 530)) +repage -format '%#' info:)" ]] || fail "the linked text does not move"
kill "$game_pid"
echo "text and particle showcases ok"
