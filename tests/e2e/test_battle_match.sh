#!/usr/bin/env bash
# A whole hot-seat match on the 5 x 3 duel level, played with the mouse (and a few battle keys) as
# two players would: welcome, turn banners, select, walk onto a token, pick it up, aim a card,
# cast at the enemy, end turns until side 1 has won, then the closing panel and the victory scene.
# Each step is checked in the trace (tile-click results on stdout, the log) and on screen.
build=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/battle_lib.sh"
setup_battle_folder

# The window is 1280 x 720 at the screen's top-left; the interface origin is its centre. Prompt
# buttons sit 100 below the centre (one button at x 0, two at -170 and +170); tiles are 64 pixels
# at zoom 1 and the camera centres the selected wizard at the start of a turn.
cx=640; cy=360
water_x=100; water_y=300        # open water, clear of every panel
bar_y=674                       # the context bar along the bottom while no cards show
start_game --scene 1 --level E2E_Duel --seed 11
win=$(wait_window)
xdotool windowfocus "$win" 2>/dev/null || true

# near FILE X Y R G B TOLERANCE WHAT: the colour at window (X, Y) within TOLERANCE of (R, G, B).
near() {
  local got r g b
  got=$(pixel "$1" $((X + $2)) $((Y + $3)))
  [[ "$got" =~ ^[0-9]+,[0-9]+,[0-9]+$ ]] || fail "$8: no pixel at ($2,$3): '$got'"
  IFS=, read -r r g b <<<"$got"
  for pair in "$r:$4" "$g:$5" "$b:$6"; do
    local have=${pair%%:*} want=${pair##*:}
    (( have - want <= $7 && want - have <= $7 )) || fail "$8: expected about $4,$5,$6 at ($2,$3), got $got"
  done
}
# green FILE X Y WHAT: a health bar's green at (X, Y); not_green: anything else.
is_green() { local c; c=$(pixel "$1" $((X + $2)) $((Y + $3))); IFS=, read -r r g b <<<"$c"; (( g > 150 && r < 100 && b < 100 )); }
green() { is_green "$@" || fail "$4: no green health at ($2,$3)"; }
not_green() { ! is_green "$@" || fail "$4: still green health at ($2,$3)"; }
results() { out_count "tileEventHandler result was ID $1\$"; }
# red_count FILE X Y W H: pixels of the window box (X, Y, W x H) in a floating text's red.
red_count() {
  convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" +repage -fx "r > 0.5 && g < 0.3 && b < 0.3" \
    -format "%[fx:int(mean * w * h + 0.5)]" info:
}

wait_log "MapInterface: prompt: Welcome to Primalites\." 30
eval "$(xdotool getwindowgeometry --shell "$win")"   # X, Y: placed by now
press_at $cx $((cy + 100))                       # "Ready!"
wait_log "MapInterface: prompt: Player 1's Turn\. Ready\?"
# The banner holds every other input: a click on the map does nothing.
before=$(out_count "tileEventHandler result was ID")
press_at 200 200
[[ $(out_count "tileEventHandler result was ID") -eq $before ]] || fail "a tile click went through the turn banner"
press_at $cx $((cy + 100))                       # "Ready"
wait_log "Turn Manager: Switched to player: 1\. Turn number is: 1"
sleep 1.2                                         # the camera glides to side 1's wizard (0, 1)
start=$(shot turn_start)
green "$start" 140 38 "side 1's portrait at full health"
green "$start" 1150 38 "side 2's portrait at full health"

# Deselect on the water, then select the wizard with the mouse and enter walk mode.
press_at $water_x $water_y
wait_out "tileEventHandler result was ID 0$" 1
press_at $cx $cy
wait_out "tileEventHandler result was ID (13|18)$" 1
press_at $cx $cy
wait_out "tileEventHandler result was ID 6$" 1
walk=$(shot walk_mode)
# Reachable tiles are tinted blue; the token's tile violet.
near "$walk" $((cx + 128)) $((cy + 10)) 18 113 171 40 "reachable tile (2, 1) tinted blue"
# A right click without a drag backs out of walk mode; the wizard stays selected.
right_click_at 900 600
press_at $cx $cy
wait_out "tileEventHandler result was ID 6$" 2
# Walk onto the token at (1, 1): result 8, then the bar offers "Pick Up".
press_at $((cx + 64)) $cy
wait_out "tileEventHandler result was ID 8$" 1
sleep 0.8
shot after_walk >/dev/null
# The bar sits above the cards: Pick Up, Walk, Jump, End Turn, 156 pixels each, centred.
shown=$(log_count "MapInterface: hand shown: ")
press_at $((cx - 234)) $((cy + 74))
wait_log_count "MapInterface: hand shown: " $((shown + 1)) 5
# The token's spells join the one the wizard began with.
tail_hand=$(grep "MapInterface: hand shown: " "$build/Log.txt" | tail -n1)
[[ "$tail_hand" =~ hand\ shown:\ ([0-9]+)\ cards && ${BASH_REMATCH[1]} -ge 2 ]] || fail "no spells gained: $tail_hand"
shot after_pickup >/dev/null

# Aim: key 1 picks the first card (the Cantrip); the enemy at (4, 1) is three tiles away, four
# from where the camera still centres the wizard's first tile.
key 1
wait_log "MapInterface: announcement: Targeting Mode:" 5
xdotool mousemove --window "$win" $((cx + 256)) $cy
sleep 0.5
shot aiming >/dev/null
casts=$(results 1)
press_at $((cx + 256)) $cy
wait_out "tileEventHandler result was ID 1$" $((casts + 1))
# The damage rises from the enemy as a red number: look for it in the column above the enemy.
red=0
for i in 1 2 3 4 5 6; do
  sleep 0.3
  cast=$(shot "cast_$i")
  red=$(red_count "$cast" $((cx + 256 - 40)) $((cy - 150)) 80 140)
  (( red >= 25 )) && break
done
(( red >= 25 )) || fail "no red damage number above the enemy ($red red pixels)"
sleep 1.0
hit=$(shot hit)
# The Cantrip's 2 damage halves side 2's 4 health: the right half of its bar empties.
not_green "$hit" 1150 38 "side 2's health after the hit"
green "$hit" 1065 38 "side 2's health left after the hit"

# Side 1 ends its turn with the mouse: nothing selected, the bar's "End Turn", then "Yes".
end_turn_with_mouse() {
  local zero questions
  zero=$(results 0)
  questions=$(log_count "MapInterface: prompt: Are you sure you want to end your turn\?")
  press_at $water_x $water_y
  wait_out "tileEventHandler result was ID 0$" $((zero + 1))
  press_at $((cx + 78)) $bar_y                     # "Jump", "End Turn"
  wait_log_count "MapInterface: prompt: Are you sure you want to end your turn\?" $((questions + 1)) 5
  press_at $((cx - 170)) $((cy + 100))             # "Yes"
}
# Side 2 passes with the keys: Enter is "End Turn", and "Yes" when the question comes (it does
# not when side 2 has no action points left: its wizard may have burned to death at its start).
end_turn_with_keys() {
  local questions
  questions=$(log_count "MapInterface: prompt: Are you sure you want to end your turn\?")
  key Return
  sleep 0.5
  if [[ $(log_count "MapInterface: prompt: Are you sure you want to end your turn\?") -gt $questions ]]; then key Return; fi
}
defeated() { grep -q "MapInterface: announcement: All enemies defeated" "$build/Log.txt"; }
# The battle is over once the closing panel has risen into the victory scene.
over() { grep -q "^Current Scene: GameVictory$" "$build/Log.txt"; }

for round in 1 2 3 4 5 6; do
  defeated && break
  end_turn_with_mouse
  wait_log_count "MapInterface: prompt: Player 2's Turn\. Ready\?" "$round"
  key Return                                       # side 2 confirms its banner
  wait_log "Turn Manager: Switched to player: 2\. Turn number is: $round"
  sleep 1.0
  end_turn_with_keys
  sleep 1.0
  over && break
  next=$((round + 1))
  wait_log_count "MapInterface: prompt: Player 1's Turn\. Ready\?" "$next"
  press_at $cx $((cy + 100))                       # side 1's banner, with the mouse
  wait_log "Turn Manager: Switched to player: 1\. Turn number is: $next"
  sleep 1.2                                        # the camera glides to the wizard on (1, 1)
  casts=$(results 1)
  key 1
  wait_log_count "MapInterface: announcement: Targeting Mode:" "$next" 5
  press_at $((cx + 192)) $cy                       # the enemy, three tiles to the right
  wait_out "tileEventHandler result was ID 1$" $((casts + 1))
  sleep 1.6
done
if ! over; then
  # Side 1's cast won: the announcement asks it to end its turn to claim the victory.
  wait_log "MapInterface: announcement: All enemies defeated\." 5
  pending=$(shot victory_pending)
  not_green "$pending" 1065 38 "side 2's portrait emptied"
  end_turn_with_mouse
fi
# The closing panel rises, then the victory scene.
wait_log "^Current Scene: GameVictory$" 15
grep -q "GameVictory: Player 1, .* Wins!" "$build/Log.txt" || fail "the victory scene does not name side 1"
sleep 1.0
shot victory >/dev/null
[[ $(log_count "^Scene System: Swit.*Level7") -eq 1 ]] || fail "the victory scene was entered more than once"
kill -TERM "$game_pid"
wait_exit 20
echo "battle match: ok ($(out_count 'tileEventHandler result was ID') tile clicks)"
