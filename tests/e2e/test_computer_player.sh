#!/usr/bin/env bash
# The computer opponent in the real game: `--cpu D` hands side 2 to the computer at each
# difficulty, which then plays its turn through the battle's controls; `--autoplay` plays a whole
# battle on both sides to the victory screen, whose "Play Again" starts the same battle again and
# whose "Exit" leads to the main menu. Window pixel (x, y) is interface (x - 640, 360 - y).
build=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/battle_lib.sh"
setup_battle_folder

stop_game() { kill -9 "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; game_pid=""; }

# Each difficulty: the human (side 1) answers the welcome and ends the turn with Enter; the
# computer then starts side 2's turn itself (no banner) and prints its decision reports.
names=(EASY MEDIUM HARD IMPOSSIBLE)
for d in 0 1 2 3; do
  start_game --scene 1 --level E2E_Duel --cpu "$d" --seed 7
  win=$(wait_window)
  wait_log "^GameMap: computer plays side 2 at ${names[$d]}$"
  wait_log "MapInterface: prompt: Welcome"
  key Return                                   # "Ready!"
  key Return                                   # "Ready" on side 1's banner
  wait_log "Turn Manager: Switched to player: 1\. Turn number is: 1"
  key Return                                   # "EndTurn": AP left, so the question
  key Return                                   # "Yes"
  wait_log "Turn Manager: Switched to player: 2\. Turn number is: 1"
  wait_out "^Decision: end turn$" 1 15
  [[ $(log_count "MapInterface: prompt: Player 2") == 0 ]] || fail "difficulty $d: a turn banner for the computer"
  if [[ $d == 3 ]]; then
    computer_turn=$(shot computer_turn)
    # The human's turn again, unless the computer has already won the duel.
    wait_log_count "MapInterface: prompt: Player 1's Turn|^GameVictory: Player 2, " 2 30
  fi
  stop_game
done
[[ -n "${E2E_KEEP_SHOT:-}" ]] && cp "$computer_turn" "$E2E_KEEP_SHOT"

# Computer against computer: no one presses anything until the victory screen.
start_game --scene 1 --level E2E_Duel --autoplay --cpu 3 --seed 11
win=$(wait_window)
wait_log "^GameMap: computer plays both sides at IMPOSSIBLE$"
wait_log "Turn Manager: Switched to player: 1\. Turn number is: 1"
wait_log "^GameVictory: Player [12], " 90
[[ $(log_count "MapInterface: prompt: Player") == 0 ]] || fail "autoplay: a turn banner was shown"
[[ $(out_count "^Decision: ") -ge 2 ]] || fail "autoplay: no decision reports"
victory=$(shot autoplay_victory)
press_at 640 432                                  # Play Again
wait_log_count "^GameMap: computer plays both sides at IMPOSSIBLE$" 2 15
wait_log_count "Gouda job" 2 15
wait_log_count "^GameVictory: Player [12], " 2 90
press_at 640 612                                  # Exit
wait_log "^Scene System: Switiching to Level0$" 15
stop_game
echo "computer player: ok ($victory)"
