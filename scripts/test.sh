#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and end-to-end tests of the
# normal build, then the unit tests again under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
(cd "$root/build" && ctest --output-on-failure --timeout 600)

echo "== Unit tests with AddressSanitizer + UndefinedBehaviorSanitizer =="
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DPRIMALITES_SANITIZE=ON -DPRIMALITES_GAME=OFF -DPRIMALITES_CONTENT_DIR="$root/build" >/dev/null
cmake --build "$root/build-asan" --target unit_tests primalites battle-sim
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --output-on-failure --timeout 600)

echo "== The pause book's Restart and Quit in the sanitizer build's game =="
bash "$root/tests/e2e/xvfb.sh" start "$root/build"
status=0
bash "$root/tests/e2e/test_battle_pause.sh" "$root/build" "$root/build-asan/primalites" || status=$?
bash "$root/tests/e2e/xvfb.sh" stop "$root/build"
exit "$status"
