# Helpers for the battle end-to-end tests. Source after lib.sh.
# The battle runs from a game folder of its own: a copy of the executable (the game moves to the
# folder /proc/self/exe names, so a link would lead back to build/) beside links to the built
# content and the duel fixture level. Nothing in build/ is touched.
battle_dir="$case_dir/game"
setup_battle_folder() {
  local exe=${1:-$build/primalites} fixtures
  fixtures="$(dirname "${BASH_SOURCE[0]}")/fixtures"
  mkdir -p "$battle_dir/Data/Levels"
  cp "$exe" "$battle_dir/primalites"
  for entry in "$build"/Data/*; do
    [[ $(basename "$entry") == Levels ]] || ln -s "$entry" "$battle_dir/Data/"
  done
  for entry in "$build"/Data/Levels/*; do ln -s "$entry" "$battle_dir/Data/Levels/"; done
  cp "$fixtures/E2E_Duel.json" "$battle_dir/Data/Levels/E2E_Duel.json"
  cp "$fixtures/E2E_Duel_Textures.json" "$battle_dir/Data/E2E_Duel.json"
  ln -s "$build/Assets" "$battle_dir/Assets"
  game="$battle_dir/primalites"
  build_real=$build
  build=$battle_dir   # lib.sh reads Log.txt from $build
}

# A press as a player makes it: move there, press, hold for a few frames, release. The software
# renderer can fall to about 10 frames a second on a busy machine: a quarter second holds the
# button for at least two frames even then.
press_at() {
  xdotool mousemove --window "$win" "$1" "$2"
  sleep 0.15
  xdotool mousedown --window "$win" 1
  sleep 0.25
  xdotool mouseup --window "$win" 1
  sleep 0.25
}

right_click_at() {
  xdotool mousemove --window "$win" "$1" "$2"
  sleep 0.15
  xdotool mousedown --window "$win" 3
  sleep 0.25
  xdotool mouseup --window "$win" 3
  sleep 0.25
}

key() {
  xdotool key --window "$win" "$@"
  sleep 0.3
}

# Counts stdout lines matching $1.
out_count() { grep -c -E "$1" "$case_dir/out" || true; }

# Waits until stdout holds at least $2 lines matching $1 (at most $3 seconds, default 10).
wait_out() {
  local limit=${3:-10}
  for _ in $(seq $((limit * 10))); do
    [[ $(out_count "$1") -ge $2 ]] && return 0
    sleep 0.1
  done
  fail "stdout never showed $2 x /$1/ (last: $(tail -n 3 "$case_dir/out" | tr '\n' '|'))"
}

# Number of log lines matching $1.
log_count() { grep -c -E "$1" "$build/Log.txt" || true; }

# Waits until the log holds at least $2 lines matching $1.
wait_log_count() {
  local limit=${3:-10}
  for _ in $(seq $((limit * 10))); do
    [[ $(log_count "$1") -ge $2 ]] && return 0
    sleep 0.1
  done
  fail "log never showed $2 x /$1/"
}
