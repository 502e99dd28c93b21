#!/usr/bin/env bash
# tarvo-regtext render of a backup with 1 MiB of Description and 1 MiB of Notes
# against cat of its output: wall time (median of RUNS alternating runs each)
# and, with valgrind installed, instructions (callgrind).
#
# Usage: bench/render-vs-cat.sh [BUILD_DIR] [RUNS]   (default: build 11)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-11}
tool="$build/src/cli/tarvo-regtext"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A freeware record in the writer's row order, its two lines fields 1 MiB each.
sj() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
lines() {
  local text
  text=$(sj "日本語の説明文です。ascii text, line ")
  awk -v t="$text" 'BEGIN { n = 0; while (n < 1048576) { l = "@" t NR_ "\r\n"; NR_++; printf "%s", l; n += length(l) - 1 } }'
}
{
  printf '#PA000001\r\n#0\r\n#\r\n#bench\r\n#\r\n'
  lines
  printf '#bench.lzh\r\n#\r\n#\r\n#\r\n#000000\r\n#\r\n#%s\r\n#\r\n#\r\n#0\r\n#0\r\n#0\r\n' "$(sj フリーウェア)"
  lines
} >"$work/bench.bak"
"$tool" render "$work/bench.bak" >"$work/out.txt" 2>/dev/null

now() { date +%s%N; }
declare -a renderTimes catTimes
for ((i = 0; i < runs; i++)); do
  start=$(now); "$tool" render "$work/bench.bak" >/dev/null 2>&1; renderTimes+=($(($(now) - start)))
  start=$(now); cat "$work/out.txt" >/dev/null; catTimes+=($(($(now) - start)))
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
render=$(median "${renderTimes[@]}")
cat=$(median "${catTimes[@]}")
awk -v r="$render" -v c="$cat" -v n="$runs" -v s="$(stat -c %s "$work/out.txt")" 'BEGIN {
  printf "render of 2 MiB of fields (%d bytes out), median of %d runs each:\n", s, n
  printf "  wall: render %.2f ms, cat %.2f ms: %.2fx (target: 3x or less)\n", r / 1e6, c / 1e6, r / c
}'
if command -v valgrind >/dev/null; then
  count() { valgrind --tool=callgrind --callgrind-out-file="$work/cg" "$@" >/dev/null 2>&1; awk '/^summary:/ { print $2 }' "$work/cg"; }
  ri=$(count "$tool" render "$work/bench.bak")
  ci=$(count cat "$work/out.txt")
  awk -v r="$ri" -v c="$ci" 'BEGIN {
    printf "  instructions: render %.1f M, cat %.1f M: %.2fx\n", r / 1e6, c / 1e6, r / c }'
fi
