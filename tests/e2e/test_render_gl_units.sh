#!/usr/bin/env bash
# The render unit tests that need an OpenGL context run here, under the shared Xvfb, and must
# not be skipped.
build=$1
source "$(dirname "$0")/lib.sh"

out="$case_dir/gl_units.txt"
(cd "$build" && ./unit_tests --gtest_filter='GlResources.*:SpriteDraw.*') >"$out" 2>&1 || { cat "$out"; fail "GL unit tests failed"; }
grep -q "SKIPPED" "$out" && { cat "$out"; fail "GL unit tests were skipped"; }
grep -q "PASSED" "$out" || { cat "$out"; fail "no GL unit test ran"; }
echo "GL unit tests ok"
