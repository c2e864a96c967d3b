#!/usr/bin/env bash
# A whole hot-seat match on the 5 x 3 duel level, played with the mouse and the battle keys as two
# players would: welcome, turn banners, select, walk onto a token, pick it up, aim a card, cast at
# the enemy, end turns until side 1 has won, then the closing panel and the victory scene.
# Each step is checked in the trace (tile-click results on stdout, the log) and on screen.
build=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/battle_lib.sh"
setup_battle_folder

# The window is 1280 x 720; the interface origin is its centre. Prompt buttons sit 100 below the
# centre (one button at x 0, two at -170 and +170); tiles are 64 pixels at zoom 1.
cx=640; cy=360
start_game --scene 1 --level E2E_Duel --seed 11
win=$(wait_window)
xdotool windowfocus "$win" || true
wait_log "MapInterface: prompt: Welcome to Primalites\." 20
shot welcome >/dev/null
press_at $cx $((cy + 100))                       # "Ready!"
wait_log "MapInterface: prompt: Player 1's Turn\. Ready\?"
# The banner holds every other input: a click on the map does nothing.
before=$(out_count "tileEventHandler result was ID")
press_at 200 200
[[ $(out_count "tileEventHandler result was ID") -eq $before ]] || fail "a tile click went through the turn banner"
press_at $cx $((cy + 100))                       # "Ready"
wait_log "Turn Manager: Switched to player: 1\. Turn number is: 1"
sleep 1.2                                         # the camera glides to side 1's wizard (0, 1)

# Select: the wizard is already selected by the turn start; a click on it enters walk mode.
press_at $cx $cy
wait_out "tileEventHandler result was ID 6$" 1
shot walk_mode >/dev/null
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
press_at $((cx - 234)) $((cy + 74))
wait_log "MapInterface: hand shown: 2 cards" 5
shot after_pickup >/dev/null

# Cast: key 1 picks the first card (the Cantrip), the enemy at (4, 1) is three tiles away.
key 1
wait_log "MapInterface: announcement: Targeting Mode:" 5
xdotool mousemove --window "$win" $((cx + 256)) $cy
sleep 0.4
shot aiming >/dev/null
press_at $((cx + 256)) $cy
wait_out "tileEventHandler result was ID 1$" 1
sleep 1.0

end_turn_with_keys() {
  key Return                                       # "End Turn": AP left, so the question shows
  wait_log_count "MapInterface: prompt: Are you sure you want to end your turn\?" "$1"
  key Return                                       # "Yes"
}

for round in 1 2 3 4 5 6; do
  if grep -q "MapInterface: announcement: All enemies defeated" "$build/Log.txt"; then break; fi
  prompts=$(log_count "MapInterface: prompt: Are you sure you want to end your turn\?")
  end_turn_with_keys $((prompts + 1))
  wait_log "MapInterface: prompt: Player 2's Turn\. Ready\?"
  key Return                                       # side 2 confirms its banner
  wait_log "Turn Manager: Switched to player: 2\. Turn number is: $round"
  sleep 1.0
  prompts=$(log_count "MapInterface: prompt: Are you sure you want to end your turn\?")
  end_turn_with_keys $((prompts + 1))              # side 2 passes
  next=$((round + 1))
  wait_log "Turn Manager: Switched to player: 1\. Turn number is: $next" 5 || true
  press_at $cx $((cy + 100)) || true               # side 1's banner, with the mouse this time
  wait_log "Turn Manager: Switched to player: 1\. Turn number is: $next"
  sleep 1.2                                        # the camera glides to the wizard on (1, 1)
  casts=$(out_count "tileEventHandler result was ID 1$")
  key 1
  press_at $((cx + 192)) $cy                       # the enemy, three tiles to the right
  wait_out "tileEventHandler result was ID 1$" $((casts + 1))
  sleep 1.2
done
wait_log "MapInterface: announcement: All enemies defeated\." 5
shot victory_pending >/dev/null
key Return
wait_log_count "MapInterface: prompt: Are you sure you want to end your turn\?" 1
key Return
# The closing panel rises, then the victory scene.
wait_log "^Current Scene: GameVictory$" 10
shot victory >/dev/null
# Escape after the battle is over pauses nothing, and the switch happened exactly once.
[[ $(log_count "^Current Scene: GameVictory$") -ge 1 ]] || fail "no victory scene"
kill -TERM "$game_pid"
wait_exit 20
echo "battle match: ok ($(out_count 'tileEventHandler result was ID') tile clicks)"
