#!/usr/bin/env bash
# Instructions from exec to the first paint: the real window against the bare
# Qt window, counted by callgrind, which the machine's load does not move (wall
# time on a shared machine does; tarvo_bench_startup measures that).
#
# Usage: bench/callgrind-first-paint.sh [BUILD_DIR]   (default: build)
# Needs valgrind. The platform is QT_QPA_PLATFORM as given, offscreen if unset.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }
folder=$("$build/bench/tarvo_bench_startup" --make-start-folder)
work=$(mktemp -d)
trap 'rm -rf "$folder" "$work"' EXIT

count() {
  local name=$1
  (cd "$folder" && valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" \
    "$build/bench/tarvo_bench_first_paint_$name" >"$work/$name.log" 2>&1) || {
    echo "the $name run failed:" >&2
    cat "$work/$name.log" >&2
    exit 1
  }
  awk '/^(summary|totals):/ { print $2; exit }' "$work/$name.out"
}

window=$(count window)
bare=$(count bare)
awk -v w="$window" -v b="$bare" -v p="$QT_QPA_PLATFORM" 'BEGIN {
  printf "Instructions from exec to the first paint (%s, callgrind):\n", p
  printf "  main window: %8.1f M\n", w / 1e6
  printf "  bare window: %8.1f M\n", b / 1e6
  printf "  window / bare: %.2fx (target: 2.3x or less)\n", w / b
}'
