#!/usr/bin/env bash
# The setup screen starts a free battle with the profile counted first; the victory screens record
# the result, show the campaign report and lead on through their buttons. Window pixel (x, y) is
# interface (x - 640, 360 - y).
build=$1
source "$(dirname "$0")/lib.sh"
profile="$USERPROFILE/My Games/Primalites/Profile.json"

# Reads one member of Profile.json ("missing" when absent).
member() {
  /usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1])).get(sys.argv[2], "missing"))' "$profile" "$1"
}
expect() {
  local got
  got=$(member "$1")
  [[ $got == "$2" ]] || fail "$3: $1 is $got, expected $2"
}
click() {
  xdotool mousemove --window "$win" "$1" "$2"
  sleep 0.3
  xdotool mousedown --window "$win" 1
  sleep 0.15
  xdotool mouseup --window "$win" 1
  sleep 0.4
}
# Kills the game at once, so only what was saved before counts.
stop_hard() {
  kill -9 "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}
fresh_profile() {
  rm -f "$profile"
  [[ -z "${1:-}" ]] || echo "$1" >"$profile"
}

# Defaults: "Map Select >", "Start Game >". The counters are on disk when the battle is entered.
fresh_profile
start_game --scene 9
win=$(wait_window)
wait_log "^Current Scene: MenuSetup$"
click 1126 634
click 1126 634
wait_log "^Scene System: Switiching to Level1$"
grep -q "^MenuSetup: Start Game: level SquareIsland, factions 1 and 1, computer off, duplication protection N, divine intervention N$" \
  "$build/Log.txt" || fail "defaults: $(grep '^MenuSetup: Start' "$build/Log.txt")"
stop_hard
expect games_played 1 "setup start"
expect mages_guild_used 2 "two players on one faction"
expect square_played 1 "setup start"

# Against the computer: player 2's faction is not counted; the map arrow picks Swirl Island.
fresh_profile
start_game --scene 9
win=$(wait_window)
wait_log "^Current Scene: MenuSetup$"
click 890 505    # CPU: N -> Y
click 1065 505   # EASY -> MEDIUM
click 1065 505   # MEDIUM -> HARD
click 820 582    # Divine Intervention: N -> Y
click 1160 185   # player 2's faction >
click 1126 634   # Map Select >
click 860 240    # map >
click 1126 634   # Start Game >
wait_log "^Scene System: Switiching to Level1$"
grep -q "^MenuSetup: Start Game: level SwirlIsland, factions 1 and 2, computer HARD, duplication protection N, divine intervention Y$" \
  "$build/Log.txt" || fail "computer start: $(grep '^MenuSetup: Start' "$build/Log.txt")"
stop_hard
expect games_played 1 "computer start"
expect mages_guild_used 1 "computer start"
expect gnome_used 0 "the computer's faction"
expect swirl_played 1 "map arrow"
expect square_played 0 "map arrow"

# A free battle won by player 2 of the Mages Division; "Play Again" counts the new game first.
fresh_profile
start_game --scene 7 --setup winner=1,faction1=2,faction2=9
win=$(wait_window)
wait_log "^GameVictory: Player 2, of the Mages Army, Wins!$"
shot free_victory >/dev/null
expect games_lost 1 "free defeat"
click 640 432    # Play Again
wait_log "^Scene System: Switiching to Level1$"
stop_hard
expect games_played 1 "Play Again"
expect gnome_used 1 "Play Again"
expect mages_army_used 1 "Play Again"
expect square_played 1 "Play Again"

# "Exit" leads to the main menu and counts nothing.
fresh_profile
start_game --scene 7 --setup winner=0
win=$(wait_window)
wait_log "^GameVictory: Player 1, of the Mages Guild, Wins!$"
click 640 612
wait_log "^Scene System: Switiching to Level0$"
stop_hard
expect games_won 1 "free victory"
expect games_played 0 "Exit"

# Campaign, first win within par: gilded, unlocked, and everything saved in Init.
fresh_profile
start_game --scene 12 --setup level=Forest,winner=0,turns=9,par=9,campaign=1
win=$(wait_window)
wait_log "^GameCampaignVictory: Victory \| -- LEVEL COMPLETE -- \| Turns used: 9 \| Par turns: 9 \| -- LEVEL GUILDED -- \| UNLOCKED: Forest Map$"
stop_hard
expect level1_complete 2 "gilded first win"
expect unlock_forest True "first win"
expect games_won 1 "campaign win saved"

# First win over par: completed, unlocked, not gilded; "Return to Map" goes to the campaign.
fresh_profile
start_game --scene 12 --setup level=Deadlands,winner=0,turns=12,par=10,campaign=1
win=$(wait_window)
wait_log "^GameCampaignVictory: Victory \| -- LEVEL COMPLETE -- \| Turns used: 12 \| Par turns: 10 \| UNLOCKED: Deadlands Map$"
shot campaign_victory >/dev/null
click 1056 594
wait_log "^Scene System: Switiching to Level11$"
stop_hard
expect level2_complete 1 "first win over par"
expect unlock_deadlands True "first win over par"

# A later win within par is shown gilded but changes nothing; "Play Again" counts one game.
fresh_profile '{"level1_complete": 1, "unlock_forest": true, "games_played": 4}'
start_game --scene 12 --setup level=Forest,winner=0,turns=5,par=9,campaign=1
win=$(wait_window)
wait_log "^GameCampaignVictory: Victory \| -- LEVEL COMPLETE -- \| Turns used: 5 \| Par turns: 9 \| -- LEVEL GUILDED --$"
click 224 594
wait_log "^Scene System: Switiching to Level1$"
stop_hard
expect level1_complete 1 "the first result is final"
expect games_played 5 "campaign Play Again"
expect forest_played 0 "a campaign game counts no map"

# A lost level: "Defeat", no report, only the loss recorded.
fresh_profile
start_game --scene 12 --setup level=Forest,winner=1,turns=3,par=9,campaign=1,faction2=2
win=$(wait_window)
wait_log "^GameCampaignVictory: Defeat$"
stop_hard
expect games_lost 1 "campaign defeat"
expect level1_complete 0 "campaign defeat"
expect unlock_forest False "campaign defeat"
echo "setup and victory screens: ok"
