#!/usr/bin/env bash
# Starts or stops the one Xvfb server shared by the end-to-end tests of a test run.
set -euo pipefail
action=$1
build=$2
state="$build/e2e"
mkdir -p "$state"
case "$action" in
start)
  for n in $(seq 91 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 50); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        echo ":$n" >"$state/display"
        echo "Xvfb on :$n"
        exit 0
      fi
      sleep 0.1
    done
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  exit 1
  ;;
stop)
  [[ -f "$state/xvfb.pid" ]] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  rm -f "$state/xvfb.pid" "$state/display"
  ;;
esac
