# Helpers for end-to-end tests. Source after setting `build=$1`.
# Each case gets a fresh USERPROFILE (save folder) and a work folder under $case_dir.
set -euo pipefail

build=${build:?}
game="$build/primalites"
DISPLAY=$(cat "$build/e2e/display")
export DISPLAY
export ALSOFT_DRIVERS=null
case_dir=$(mktemp -d "${TMPDIR:-/tmp}/primalites-e2e.XXXXXX")
export USERPROFILE="$case_dir/home"
mkdir -p "$USERPROFILE"
# A first start sizes the window after the screen (1280 x 900 gives 1280 x 800); the pixel checks
# expect the 1280 x 720 window, so every case starts from a config asking for that size.
# A case that wants a true first start removes "$USERPROFILE/My Games".
mkdir -p "$USERPROFILE/My Games/Primalites"
echo '{"RESOLUTION": 0}' >"$USERPROFILE/My Games/Primalites/Config.json"
game_pid=""

cleanup() {
  if [[ -n "$game_pid" ]] && kill -0 "$game_pid" 2>/dev/null; then kill -9 "$game_pid" 2>/dev/null || true; fi
  if [[ -z "${KEEP_E2E:-}" ]]; then rm -rf "$case_dir"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [[ -f "$build/Log.txt" ]] && { echo "--- last log lines:" >&2; tail -n 20 "$build/Log.txt" >&2; }
  exit 1
}

# Starts the game in the background from the case folder; stdout/stderr go to $case_dir/out, err.
start_game() {
  rm -f "$build/Log.txt"  # so wait_log never matches an earlier run's trace
  (cd "$case_dir" && exec "$game" --windowed "$@" >"$case_dir/out" 2>"$case_dir/err") &
  game_pid=$!
}

# Waits until the game's window exists and prints its id.
wait_window() {
  local id=""
  for _ in $(seq 150); do
    id=$(xdotool search --name '^Primalites$' 2>/dev/null | head -n1 || true)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    # (Called inside $(...), so the exit code cannot be collected here; the output tells why.)
    kill -0 "$game_pid" 2>/dev/null ||
      fail "game exited before its window appeared: $(tail -n 3 "$case_dir/err") $(tail -n 3 "$case_dir/out")"
    sleep 0.1
  done
  fail "no game window after 15 s"
}

# Waits for the game to exit (at most $1 seconds, default 60); sets $exit_code.
# (Not usable inside $(...): only this shell can collect its own child's status.)
exit_code=""
wait_exit() {
  local limit=${1:-60}
  exit_code=0
  for _ in $(seq $((limit * 10))); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid" || exit_code=$?
      game_pid=""
      return 0
    fi
    sleep 0.1
  done
  fail "game still running after ${limit} s"
}

# Screenshot of the whole X screen into $case_dir/$1.png; prints the path.
shot() {
  local file="$case_dir/$1.png"
  import -window root "$file"
  echo "$file"
}

# Colour of pixel (x, y) of a PNG as "r,g,b" (0-255).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Waits until the log contains a line matching the regex $1 (at most $2 seconds, default 20).
wait_log() {
  local limit=${2:-20}
  for _ in $(seq $((limit * 10))); do
    grep -q -E "$1" "$build/Log.txt" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "log never showed /$1/"
}
