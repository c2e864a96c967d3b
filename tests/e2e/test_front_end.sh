#!/usr/bin/env bash
# The front end as a new player meets it: the intro skipped with three taps of Space, the main
# menu, and from there every screen and back: the statistics (reset in two clicks), the book,
# the settings (a toggle and both sliders, saved and applied at once), the credits (sped up with
# Space held, ending by themselves); the two play buttons; and "Exit".
build=$1
source "$(dirname "$0")/lib.sh"

folder="$USERPROFILE/My Games/Primalites"
config="$folder/Config.json"
profile="$folder/Profile.json"
shots=${FRONT_END_SHOTS:-}

value() {
  python3 -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1]))[sys.argv[2]]))' "$1" "$2"
}

# The scene named in the latest complete trace line (the last line may still be being written).
scene_now() {
  tail -n 40 "$build/Log.txt" 2>/dev/null | head -n -1 | grep -a "Current Scene: " | tail -n1 | sed 's/.*Current Scene: //'
}

wait_scene() {
  local limit=${2:-20}
  for _ in $(seq $((limit * 10))); do
    [[ "$(scene_now)" == "$1" ]] && return 0
    sleep 0.1
  done
  fail "scene is \"$(scene_now)\", not \"$1\""
}

# Screen pixels of an interface point (origin at the window centre, y up); the window sits at the
# top left of the X screen.
px() { echo $(($(window_width) / 2 + $1)); }
py() { echo $(($(window_height) / 2 - $1)); }
window_width() { xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[1] }'; }
window_height() { xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[2] }'; }
window_x() { xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); print p[1] }'; }
window_y() { xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); print p[2] }'; }

# A press held long enough for a frame to see it, at interface point (x, y).
press() {
  xdotool mousemove $(($(window_x) + $(px "$1"))) $(($(window_y) + $(py "$2")))
  sleep 0.15
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.2
}

keep_shot() { [[ -n "$shots" ]] && cp "$(shot "$1")" "$shots/$1.png"; return 0; }

# Main menu buttons, top to bottom.
menu_y() {
  case "$1" in
  battle) echo 130 ;; campaign) echo 68 ;; stats) echo 6 ;; book) echo -56 ;;
  settings) echo -118 ;; credits) echo -180 ;; exit) echo -242 ;;
  esac
}
# Back buttons sit at 85% of the way to the bottom-left corner.
back_x() { echo $((-($(window_width) / 2) * 85 / 100)); }
back_y() { echo $((-($(window_height) / 2) * 85 / 100)); }

# A profile with something to reset.
cat >"$profile" <<'JSON'
{"unlock_forest": true, "games_played": 7, "games_won": 4, "spells_casted": 21, "fire_used": 9,
 "swirl_played": 3, "gnome_used": 2, "tutorial_complete": 2, "level1_complete": 1}
JSON

# 1. Intro, three taps of Space, the main menu.
start_game --seed 7
window=$(wait_window)
wait_scene Intro
sleep 0.5
keep_shot intro
corner=$(pixel "$(shot intro)" $(($(window_x) + 20)) $(($(window_y) + 20)))
[[ "$corner" == "255,255,255" ]] || fail "the intro is not on white: $corner"
for _ in 1 2 3; do
  xdotool key space
  sleep 0.3
done
wait_scene MenuMain
sleep 1.7  # the opening fade
keep_shot menu

# 2. Statistics: the first click only asks, the second resets the counters but not the unlocks.
press 0 "$(menu_y stats)"
wait_scene MenuStats
keep_shot stats
press -370 -195
sleep 0.3
[[ "$(value "$profile" games_played)" == 7 ]] || fail "one click already reset the profile"
keep_shot stats-question
press -370 -195
sleep 0.3
[[ "$(value "$profile" games_played)" == 0 ]] || fail "two clicks did not reset games_played"
[[ "$(value "$profile" tutorial_complete)" == 0 ]] || fail "campaign results were not reset"
[[ "$(value "$profile" unlock_forest)" == true ]] || fail "the reset took an unlock"
sleep 1.8  # rebuilt with the new values
keep_shot stats-reset
press "$(back_x)" "$(back_y)"
wait_scene MenuMain

# 3. The book: the first chapter opens at "1 / 2"; the next chapter, another entry; back.
press 0 "$(menu_y book)"
wait_scene MenuCodex
keep_shot book
press -60 290
press -304 134
keep_shot book-spells
press -560 -300
wait_scene MenuMain

# 4. Settings: a toggle, the sensitivity and the resolution, each saved and applied at once.
press 0 "$(menu_y settings)"
wait_scene Settings
keep_shot settings
[[ "$(value "$config" MUSIC)" == true ]] || fail "music starts off"
press 180 -45  # "Music" (row 5)
sleep 0.3
[[ "$(value "$config" MUSIC)" == false ]] || fail "the Music toggle did not save"
press 330 85  # sensitivity ">" (row 3)
sleep 0.3
[[ "$(value "$config" SENSITIVITY)" == 4 ]] || fail "sensitivity is $(value "$config" SENSITIVITY), not 4"
press 330 150  # resolution ">" (row 2): 1280 x 800, the largest size a 1280 x 900 screen offers
sleep 0.5
[[ "$(value "$config" RESOLUTION)" == 1 ]] || fail "resolution is $(value "$config" RESOLUTION), not 1"
[[ "$(window_width)x$(window_height)" == 1280x800 ]] || fail "the window is $(window_width)x$(window_height)"
press 330 150  # the right arrow is gone at the last size: nothing changes
[[ "$(value "$config" RESOLUTION)" == 1 ]] || fail "the slider went past the screen's size"
keep_shot settings-changed
press "$(back_x)" "$(back_y)"
wait_scene MenuMain

# 5. Credits: still rolling after two seconds; with Space held they end in a few seconds more.
press 0 "$(menu_y credits)"
wait_scene Credits
sleep 2
[[ "$(scene_now)" == Credits ]] || fail "the credits ended too soon"
keep_shot credits
xdotool keydown space
start=$SECONDS
wait_scene MenuMain 20
xdotool keyup space
((SECONDS - start <= 10)) || fail "credits with Space held took $((SECONDS - start)) s"

# 6. Exit: code 0 and valid save files.
press 0 "$(menu_y exit)"
wait_exit 20
[[ "$exit_code" == 0 ]] || fail "Exit ended with code $exit_code"
python3 -c 'import json, sys; [json.load(open(f)) for f in sys.argv[1:]]' "$config" "$profile" || fail "save files broken"
[[ "$(value "$config" MUSIC)" == false ]] || fail "MUSIC not kept"

# 7. The two play buttons lead to the battle setup and the campaign.
for target in "battle MenuSetup" "campaign MenuCampaign"; do
  set -- $target
  start_game --scene 0
  window=$(wait_window)
  wait_scene MenuMain
  press 0 "$(menu_y "$1")"
  wait_scene "$2"
  kill -TERM "$game_pid"
  wait_exit 20
  [[ "$exit_code" == 0 ]] || fail "stopping in $2 gave $exit_code"
done
echo "front end: all screens reached and left"
