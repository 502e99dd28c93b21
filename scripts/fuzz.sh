#!/usr/bin/env bash
# Builds the libFuzzer targets in a build folder of their own (clang, ASan, UBSan)
# and runs each for a bounded time, one after another. Prints the executions and
# the findings of every target; exits non-zero when any target found something.
#
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target...]
# Environment: FUZZ_BUILD_DIR (default build-fuzz), FUZZ_CXX (default clang++),
#   FUZZ_MAX_LEN (default 8192 bytes), FUZZ_TIMEOUT (seconds per input, default 10),
#   FUZZ_ARGS (further libFuzzer flags).
#
# Each target grows its corpus in <build>/fuzz-corpus/<target>, starting from the
# seeds in tests/fuzz/corpus/<target>, which it never changes. A finding lands in
# <build>/fuzz-findings/<target>/; replay it with <build>/tests/fuzz/<target> <file>,
# fix the core, and copy the file into tests/fuzz/corpus/<target>/ as a regression.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
(($# > 0)) && shift
all_targets=(fuzz_backup_reader fuzz_catalog fuzz_settings fuzz_lines_cp932 fuzz_fees fuzz_pad_import)
targets=("$@")
((${#targets[@]} > 0)) || targets=("${all_targets[@]}")

build=${FUZZ_BUILD_DIR:-build-fuzz}
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  CXX=${FUZZ_CXX:-clang++} cmake -S . -B "$build" -G Ninja -DTARVO_FUZZ=ON -DTARVO_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --parallel 2 --target "${targets[@]}"

read -r -a extra_args <<<"${FUZZ_ARGS:-}"
failed=0
summary=()
for target in "${targets[@]}"; do
  work="$build/fuzz-corpus/$target"
  findings="$build/fuzz-findings/$target"
  log="$build/fuzz-logs/$target.log"
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  stamp=$(mktemp)
  echo "== $target: ${seconds}s (log: $log)"
  status=0
  "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" \
    -max_len="${FUZZ_MAX_LEN:-8192}" -print_final_stats=1 -artifact_prefix="$findings/" \
    "${extra_args[@]}" "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?

  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  new_findings=$(find "$findings" -type f -newer "$stamp" \
    \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | sort)
  rm -f "$stamp"
  count=$(grep -c . <<<"$new_findings" || true)
  if ((status != 0 || count > 0)); then
    failed=1
    grep -m 5 -E 'ERROR|invariant broken|SUMMARY|runtime error' "$log" || true
    [[ -n "$new_findings" ]] && echo "$new_findings"
  fi
  summary+=("$(printf '%-20s %8ss %14s %10s %8s %6s' "$target" "$seconds" "${executions:-?}" \
    "${per_second:-?}" "$(find "$work" -type f | wc -l)" "$count")")
done

echo
printf '%-20s %9s %14s %10s %8s %6s\n' target time executions "execs/s" corpus found
printf '%s\n' "${summary[@]}"
exit "$failed"
