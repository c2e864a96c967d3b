#!/usr/bin/env bash
# Starts or stops the one Xvfb server shared by the end-to-end tests of a test run.
# Xvfb picks a free display itself (-displayfd), so test runs side by side never share a server.
set -euo pipefail
action=$1
build=$2
state="$build/e2e"
mkdir -p "$state"
case "$action" in
start)
  rm -f "$state/display.fd"
  # -noreset: without it the server resets whenever its last client leaves, and a game starting
  # at that moment is refused.
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$state/display.fd" >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    n=$(head -n1 "$state/display.fd" 2>/dev/null || true)
    if [[ -n "$n" ]] && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
      echo ":$n" >"$state/display"
      echo "Xvfb on :$n"
      exit 0
    fi
    kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "could not start Xvfb: $(cat "$state/xvfb.log")" >&2
  exit 1
  ;;
stop)
  [[ -f "$state/xvfb.pid" ]] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  rm -f "$state/xvfb.pid" "$state/display" "$state/display.fd"
  ;;
esac
