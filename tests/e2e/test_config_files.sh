#!/usr/bin/env bash
# Config.json and Profile.json across real runs of the game: a first start creates both, a second
# start reads them quietly, hostile files are set aside and replaced, and a save folder that
# cannot be made is reported once while the game still runs.
build=$1
source "$(dirname "$0")/lib.sh"

folder="$USERPROFILE/My Games/Primalites"
config="$folder/Config.json"
profile="$folder/Profile.json"

run_game() {
  start_game --frames 30
  wait_exit 60
  [[ "$exit_code" == 0 ]] || fail "game exited with $exit_code: $(cat "$case_dir/err")"
}

# Member names of a JSON object file, in file order, space-separated.
keys() {
  python3 -c 'import json, sys; print(" ".join(json.load(open(sys.argv[1]))))' "$1"
}

# Value of one member as JSON text.
value() {
  python3 -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1]))[sys.argv[2]]))' "$1" "$2"
}

config_order="FULLSCREEN RESOLUTION SENSITIVITY MUSIC SFX HEALTHBARS HIGHCONTRAST LOWFPS HARDWARECURSOR"

# 1. First start: both files appear with every member in order.
rm -rf "$USERPROFILE/My Games"
run_game
grep -qx "Error: Config file not found. Reverting to default settings." "$case_dir/err" || fail "no first-start config message"
grep -qx "Player profile could not be found. creating." "$case_dir/err" || fail "no first-start profile message"
[[ "$(keys "$config")" == "$config_order" ]] || fail "config members: $(keys "$config")"
[[ "$(value "$config" FULLSCREEN)" == true ]] || fail "--windowed must not change the saved FULLSCREEN"
# The resolution nearest to the X screen's size, lower index on a tie.
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
nearest=$(python3 -c '
import math, sys
w, h = map(int, sys.argv[1].split("x"))
table = [(1280, 720), (1280, 800), (1440, 900), (1680, 1050), (1920, 1080),
         (1920, 1200), (2560, 1440), (2560, 1600), (3840, 2160), (3480, 2400)]
d = [math.hypot(tw - w, th - h) for tw, th in table]
print(d.index(min(d)))' "$screen")
[[ "$(value "$config" RESOLUTION)" == "$nearest" ]] || fail "a $screen screen gives resolution $nearest"
[[ "$(value "$config" SENSITIVITY)" == 3 ]] || fail "sensitivity default"
profile_keys=$(keys "$profile")
[[ $(wc -w <<<"$profile_keys") == 50 ]] || fail "profile has $(wc -w <<<"$profile_keys") members"
[[ "$profile_keys" == "unlock_forest "*" level7_complete" ]] || fail "profile order: $profile_keys"
grep -q '^    "games_won": 0,$' "$profile" || fail "profile is not four-space pretty-printed"
cp "$config" "$case_dir/config.first"

# 2. Second start: read back without complaint; the config save of start-up changes nothing.
run_game
grep -q "Error\|creating" "$case_dir/err" && fail "second start complained: $(cat "$case_dir/err")"
cmp -s "$config" "$case_dir/config.first" || fail "config changed on the second start"
[[ $(keys "$profile" | wc -w) == 50 ]] || fail "profile lost members"

# 3. Settings the player (or an editor) left: kept, ill-typed ones mended in place, unknown ones kept.
printf '{"MUSIC": false, "SENSITIVITY": "fast", "custom": [1, {"a": null}]}' >"$config"
run_game
[[ "$(value "$config" MUSIC)" == false ]] || fail "MUSIC false was not kept"
[[ "$(value "$config" SENSITIVITY)" == 3 ]] || fail "SENSITIVITY \"fast\" was not rewritten as 3"
[[ "$(value "$config" custom)" == '[1, {"a": null}]' ]] || fail "unknown member lost: $(cat "$config")"
[[ "$(keys "$config")" == "MUSIC SENSITIVITY custom RESOLUTION FULLSCREEN SFX HEALTHBARS HIGHCONTRAST LOWFPS HARDWARECURSOR" ]] ||
  fail "member order: $(keys "$config")"

# 4. Hostile files: --check-data names them, the game starts anyway and keeps the old content.
head -c 200000 /dev/zero | tr '\0' '[' >"$case_dir/hostile"
cp "$case_dir/hostile" "$config"
printf '{"games_won": 5, "games_lo' >"$case_dir/truncated"
cp "$case_dir/truncated" "$profile"
(cd "$case_dir" && "$game" --check-data >"$case_dir/check" 2>&1) && fail "--check-data passed hostile save files"
grep -q "^!!! - Could not parse .*Config.json" "$case_dir/check" || fail "check-data: $(cat "$case_dir/check")"
grep -q "^!!! - Could not parse .*Profile.json" "$case_dir/check" || fail "check-data: $(cat "$case_dir/check")"
run_game
[[ $(grep -c "^Error: Failed to parse Config file.$" "$case_dir/err") == 2 ]] || fail "parse messages: $(cat "$case_dir/err")"
grep -q "the old file is kept as Config.json.bad" "$case_dir/err" || fail "no word of the kept file: $(cat "$case_dir/err")"
cmp -s "$config.bad" "$case_dir/hostile" || fail "Config.json.bad does not hold the old content"
# A save that starts from nothing appends in the order of the settings record.
[[ "$(keys "$config")" == "RESOLUTION SENSITIVITY FULLSCREEN MUSIC SFX HEALTHBARS HIGHCONTRAST LOWFPS HARDWARECURSOR" ]] ||
  fail "hostile config not replaced: $(keys "$config")"
if [[ -e "$profile.bad" ]]; then  # a scene switch saved the profile during the run
  cmp -s "$profile.bad" "$case_dir/truncated" || fail "Profile.json.bad does not hold the old content"
  [[ $(keys "$profile" | wc -w) == 50 ]] || fail "profile not replaced whole"
else
  cmp -s "$profile" "$case_dir/truncated" || fail "loading must leave a broken profile alone"
fi

# 5. No save folder can be made: one message, the game still runs and writes nothing there.
export USERPROFILE="$case_dir/blocked"
mkdir -p "$USERPROFILE"
echo "not a folder" >"$USERPROFILE/My Games"
run_game
[[ $(grep -c "^Error: " "$case_dir/err") == 1 ]] || fail "expected one error line: $(cat "$case_dir/err")"
grep -q "^Error: filesystem error" "$case_dir/err" || fail "folder error: $(cat "$case_dir/err")"
[[ "$(cat "$USERPROFILE/My Games")" == "not a folder" ]] || fail "the file in the way was touched"
echo "config files: ok"
