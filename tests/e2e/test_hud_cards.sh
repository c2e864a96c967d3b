#!/usr/bin/env bash
# The battle HUD, the spell cards and the widgets on the showcase pages of SpellCardTest (scene 3):
# panels and cards must show their texts and colours at 1280 x 720, a hand of seven must show every
# card, and clicks must reach the topmost widget (logged by the scene as "SpellCardTest: <what>").
build=$1
source "$(dirname "$0")/lib.sh"

# Fraction (0..1) of the pixels of a window region for which the fx expression $6 holds.
share() {
  convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" +repage -fx "$6 ? 1 : 0" -format '%[fx:mean]' info:
}
more_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
paper='r > 0.8 && g > 0.72 && b > 0.55 && r > b + 0.08'
ink='r < 0.3 && g < 0.25 && b < 0.3'
cream='r > 0.85 && g > 0.8 && b > 0.5'
page() {  # N moves on to the next page, which must be the one named $1; then it settles
  xdotool key n
  wait_log "SpellCardTest: showing $1\$"
  sleep "${2:-1}"
}
click() {  # at interface position (x, y): pixel (640 + x, 360 - y) of the window
  xdotool mousemove $((X + 640 + $1)) $((Y + 360 - $2))
  sleep 0.4
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.4
}

quick_click() {  # press and release at once: the press may fall between two frames
  xdotool mousemove $((X + 640 + $1)) $((Y + 360 - $2))
  sleep 0.4
  xdotool click 1
  sleep 0.4
}

start_game --scene 3
win=$(wait_window)
wait_log "SpellCardTest: showing Text"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool windowfocus "$win" 2>/dev/null || true
xdotool mousemove $((X + 640)) $((Y + 200))

# ---- Idle HUD and a hand of five ----------------------------------------------------------------
page "HUD idle"
idle=$(shot hud_idle)
# Info panel on the right edge: its paper inset, the red biome line and the dark alignment line.
more_than "$(share "$idle" 960 440 260 30 "$paper")" 0.5 || fail "no info panel paper at the right edge"
more_than "$(share "$idle" 940 385 260 22 'r > 0.55 && g < 0.35 && b < 0.35')" 0.02 || fail "no red biome line"
more_than "$(share "$idle" 940 407 260 22 "$ink")" 0.02 || fail "no alignment line"
more_than "$(share "$idle" 1000 322 200 24 "$cream")" 0.03 || fail "no TILE INFO title"
# Turn counter at the top centre, portraits with green health in both top corners.
more_than "$(share "$idle" 570 30 140 30 "$cream")" 0.05 || fail "no turn counter text"
more_than "$(share "$idle" 30 35 140 20 'g > 0.9 && r < 0.2 && b < 0.2')" 0.2 || fail "no health bars top left"
more_than "$(share "$idle" 1050 35 140 20 'g > 0.9 && r < 0.2 && b < 0.2')" 0.1 || fail "no health bars top right"
# Five action points bottom left: teal pips.
more_than "$(share "$idle" 30 420 300 20 'g > r + 0.15 && b > r + 0.15')" 0.15 || fail "no AP pips"
# Five cards side by side along the bottom, each with its dark name, and Fireball's bonus 7 in green.
for i in 0 1 2 3 4; do
  more_than "$(share "$idle" $((40 + 256 * i)) 700 170 12 "$paper")" 0.3 || fail "card $i missing"
  more_than "$(share "$idle" $((30 + 256 * i)) 588 120 24 "$ink")" 0.02 || fail "card $i has no name"
done
more_than "$(share "$idle" 80 625 50 30 'g > 0.55 && r < 0.35 && b > 0.3 && b < 0.6')" 0.03 || fail "no green bonus number"

page "HUD walk preview" 0.2
page "HUD aiming"
# Aiming: penalties in red, the expanded card's rules text ----------------------------------
aim=$(shot hud_aiming)
more_than "$(share "$aim" 280 650 220 30 "$ink")" 0.02 || fail "no rules text on the expanded card"
more_than "$(share "$aim" 280 590 220 60 'r > 0.55 && g < 0.3 && b < 0.35 && r > g + 0.4')" 0.005 ||
  fail "no red penalty numbers"
more_than "$(share "$aim" 940 365 260 45 "$ink")" 0.02 || fail "no object line in the info panel"

# ---- A hand of seven: every card shows; the hovered one rises ------------------------------------
page "HUD hand of 7" 1.5
seven=$(shot hud_hand7)
for i in 0 1 2 3 4 5 6; do
  cx=$((640 + (i - 3) * 183))
  more_than "$(share "$seven" $((cx - 60)) 700 120 16 "$paper")" 0.3 || fail "card $i of 7 not shown"
done
more_than "$(share "$seven" 1190 515 60 45 'b > r + 0.2 && b > 0.5')" 0.02 || fail "no new-card arrow on the last card"
xdotool mousemove $((X + 640)) $((Y + 700))
sleep 1.5
raised=$(shot hud_hand7_hover)
more_than "$(share "$raised" 600 539 80 7 "$paper")" 0.5 || fail "the hovered card did not rise"
more_than 0.2 "$(share "$seven" 600 539 80 7 "$paper")" || fail "a card stood that high before hovering"
click 0 -330
wait_log "SpellCardTest: Selected card: Gust"

# ---- Paused: the book covers the battle; its buttons answer ------------------------------------
page "HUD paused"
paused=$(shot hud_paused)
more_than "$(share "$paused" 100 500 300 30 "$paper")" 0.6 || fail "the pause book does not cover the battle"
more_than "$(share "$paused" 560 180 160 44 "$ink")" 0.08 || fail "no Paused title"
click 296 160
wait_log "SpellCardTest: Pause: Resume"

# ---- Prompts: the question is readable, the battle dimmed, the answer reaches its button --------
page "Prompt with two buttons"
prompt=$(shot prompt)
more_than "$(share "$prompt" 420 250 440 24 'r > 0.9 && g > 0.9 && b > 0.9')" 0.04 || fail "no prompt message"
click 170 -100
wait_log "SpellCardTest: Answered: No"

page "Widgets"
click 170 -215
wait_log "SpellCardTest: Resolution: 1366 x 768"
quick_click 0 -10
wait_log "SpellCardTest: Difficulty: MEDIUM"
widgets=$(shot widgets)
# Bars: empty for a maximum of 0 or less, half at 10 of 20, full at 30 of 20.
bar_green() { share "$widgets" $((640 + $1 - 85)) $((360 + 265 - 6)) 170 12 'g > 0.9 && r < 0.2 && b < 0.2'; }
more_than 0.01 "$(bar_green -330)" || fail "a bar with maximum 0 is not empty"
more_than "$(bar_green -110)" 0.4 || fail "half bar too empty"
more_than 0.6 "$(bar_green -110)" || fail "half bar too full"
more_than "$(bar_green 110)" 0.95 || fail "over-full bar not full"
more_than 0.01 "$(bar_green 330)" || fail "a bar at -1 of -1 is not empty"
grep -q "Shader compilation error\|Error linking" "$case_dir/err" && fail "shader errors: $(cat "$case_dir/err")"
kill "$game_pid"
echo "HUD, cards and widgets ok"
