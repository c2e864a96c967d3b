#!/usr/bin/env bash
# The pause book leaves the battle safely: "Restart" rebuilds it in place (from its welcome
# prompt), "Quit" goes to the main menu, both after the question. Pass a sanitizer build's
# executable as $2 to run the same under AddressSanitizer; any sanitizer report fails the test.
build=$1
exe=${2:-$1/primalites}
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/battle_lib.sh"
setup_battle_folder "$exe"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1

cx=640; cy=360
start_game --scene 1 --level E2E_Duel --seed 5
win=$(wait_window)
xdotool windowfocus "$win" 2>/dev/null || true
wait_log "MapInterface: prompt: Welcome to Primalites\." 60
press_at $cx $((cy + 100))
wait_log "MapInterface: prompt: Player 1's Turn\. Ready\?" 20
press_at $cx $((cy + 100))
wait_log "Turn Manager: Switched to player: 1\. Turn number is: 1" 20

# Escape, "Restart" (296, 25 from the centre), "No": still the same battle.
key Escape
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
paused=$(shot paused)
# The book's pages cover the battle: cream paper left of the centre, where the map was.
page=$(pixel "$paused" $((X + cx - 400)) $((Y + cy - 150)))
IFS=, read -r r g b <<<"$page"
(( r > 200 && g > 190 && b > 150 )) || fail "no pause book on screen (got $page)"
press_at $((cx + 296)) $((cy - 25))
sleep 0.3
press_at $((cx + 170)) $((cy + 100))              # "No"
[[ $(log_count "MapInterface: prompt: Welcome to Primalites\.") -eq 1 ]] || fail "No restarted the battle"
# "Restart", "Yes": rebuilt in place, back at the welcome prompt.
press_at $((cx + 296)) $((cy - 25))
press_at $((cx - 170)) $((cy + 100))              # "Yes"
wait_log_count "MapInterface: prompt: Welcome to Primalites\." 2 60
shot restarted >/dev/null
press_at $cx $((cy + 100))
wait_log_count "MapInterface: prompt: Player 1's Turn\. Ready\?" 2 20
press_at $cx $((cy + 100))
# Escape, "Quit" (296, -110), "Yes": the main menu.
key Escape
sleep 0.5
press_at $((cx + 296)) $((cy + 110))
press_at $((cx - 170)) $((cy + 100))
wait_log "^Current Scene: MenuMain$" 30
kill -TERM "$game_pid"
wait_exit 60
grep -q "AddressSanitizer\|runtime error" "$case_dir/err" && { cat "$case_dir/err"; fail "sanitizer report"; }
[[ $exit_code -eq 0 ]] || fail "exit code $exit_code"
echo "battle pause: ok"
