#!/usr/bin/env bash
# The battle scene builds a level: the island's tiles and both sides' wizards in their team colours
# after the fade-in, under the welcome prompt's half-dark veil; every shipped level loads without a
# loader complaint.
build=$1
source "$(dirname "$0")/lib.sh"

start_game --scene 1 --level SquareIsland
win=$(wait_window)
wait_log "Gouda job"
wait_log "MapInterface: prompt: Welcome"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
island=$(shot square_island)
[[ -n "${E2E_KEEP_SHOT:-}" ]] && cp "$island" "$E2E_KEEP_SHOT"
grep -q '??? Map Class' "$build/Log.txt" && fail "the loader complained about SquareIsland"
kill "$game_pid" 2>/dev/null || true
wait_exit 20

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

# The camera centres tile (5, 5) of the 10 x 10 island: tile (c, r) is drawn around
# (640 + 64 (c - 5), 360 + 64 (r - 5)). Water shows beyond the island's edge. The welcome prompt
# veils the battle in black at half opacity, so every colour is half its own.
if [[ -f "$build/Assets/default.png" ]]; then
  near "$island" 40 360 30 40 80 50 "water backdrop left of the island"
  # Robes are the team colours shaded by the figure's art (0.8 of the colour).
  near "$island" 512 632 93 23 23 8 "side 1 wizard on (3, 9) in the first team colour"
  # (5, 9) sits at the context bar's edge, and side 2 stands on row 0 under the HUD's faction
  # banners and turn counter at this zoom.
fi

# Every shipped level builds with no loader complaint.
for file in "$build"/Data/Levels/*.json; do
  level=$(basename "$file" .json)
  start_game --scene 1 --level "$level" --frames 4
  wait_exit 60
  [[ "$exit_code" == 0 ]] || fail "$level: exit code $exit_code"
  grep -q "Gouda job" "$build/Log.txt" || fail "$level: no success line"
  if grep -E '\?\?\? Map Class|!!! - TextureLibrary' "$build/Log.txt"; then fail "$level: the loader complained"; fi
done
echo "battle map: ok"
