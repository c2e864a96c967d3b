#!/usr/bin/env bash
# The battle scene builds a level: the island's tiles and both sides' wizards in their team colours
# after the fade-in; every shipped level loads without a loader complaint.
build=$1
source "$(dirname "$0")/lib.sh"

start_game --scene 1 --level SquareIsland
win=$(wait_window)
wait_log "Gouda job"
sleep 2.5
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
# (640 + 64 (c - 5), 360 + 64 (r - 5)). Water shows beyond the island's edge.
if [[ -f "$build/Assets/default.png" ]]; then
  near "$island" 40 360 60 80 160 100 "water backdrop left of the island"
  # Robes are the team colours shaded by the figure's art (0.8 of the colour).
  near "$island" 512 632 186 47 47 12 "side 1 wizard on (3, 9) in the first team colour"
  near "$island" 448 56 62 81 144 12 "side 2 wizard on (2, 0) in the second team colour"
  near "$island" 640 632 186 47 47 12 "side 1 wizard on (5, 9)"
  near "$island" 576 56 62 81 144 12 "side 2 wizard on (4, 0)"
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
