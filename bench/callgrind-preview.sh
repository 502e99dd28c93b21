#!/usr/bin/env bash
# Instructions of one preview click through the window against one
# QPlainTextEdit::setPlainText of the same text (each the second of two, so
# that neither pays for first-time set-up), counted by callgrind.
#
# Usage: bench/callgrind-preview.sh [BUILD_DIR] [DESCRIPTION_MIB]   (default: build 1)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
export TARVO_BENCH_DESCRIPTION_MIB=${2:-1}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

valgrind --tool=callgrind --callgrind-out-file="$work/out" "$build/bench/tarvo_bench_window" --once \
  >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
# Inclusive counts of the two functions, which run only for the second call.
callgrind_annotate --inclusive=yes "$work/out" >"$work/annotated"
count() { grep -E "WindowBench.cpp:(\(anonymous namespace\)::)?$1\(" "$work/annotated" | head -1 | awk '{ gsub(",", "", $1); print $1 }'; }
preview=$(count previewOnce)
fill=$(count setPlainTextOnce)
grep -E "^Description" "$work/log" || true
awk -v p="$preview" -v f="$fill" -v m="$TARVO_BENCH_DESCRIPTION_MIB" 'BEGIN {
  printf "Instructions, %s MiB Description, second call of each (callgrind):\n", m
  printf "  preview click: %8.1f M\n", p / 1e6
  printf "  setPlainText:  %8.1f M\n", f / 1e6
  printf "  preview / setPlainText: %.2fx (target: 1.3x or less)\n", p / f
}'
