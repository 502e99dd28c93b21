#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: the normal
# build (warnings as errors), then the sanitizer build (the "asan" preset: ASan and
# UBSan, any report fails its test). Both suites run even when the first fails;
# the script prints both CTest summaries and exits non-zero on any build error or
# failing test.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1

jobs=$(nproc)
build=${TARVO_BUILD_DIR:-build}
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
failures=()

# Runs one suite; its CTest output goes to the terminal and to $logs/<name>.log.
run_suite() {
  local name=$1
  shift
  echo "=== $name: configure and build"
  if ! "$@"; then
    failures+=("$name: build failed")
    echo "(not run: the build failed)" >"$logs/$name.log"
    return
  fi
  echo "=== $name: ctest"
  if ! suite_ctest "$name" 2>&1 | tee "$logs/$name.log"; then
    failures+=("$name: tests failed")
  fi
}

build_normal() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_WERROR=ON &&
    cmake --build "$build" --parallel "$jobs"
}

build_asan() {
  cmake --preset asan && cmake --build --preset asan --parallel "$jobs"
}

suite_ctest() {
  case $1 in
  normal) QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$jobs" ;;
  asan) ctest --preset asan --parallel "$jobs" ;;
  esac
}

run_suite normal build_normal
run_suite asan build_asan

# The summary block of each run: from "% tests passed" to the end.
for name in normal asan; do
  echo
  echo "=== $name summary"
  sed -n '/tests passed, /,$p' "$logs/$name.log" | grep -v '^$' || tail -n 5 "$logs/$name.log"
done

if ((${#failures[@]} > 0)); then
  echo >&2
  echo "************************************************************" >&2
  printf '*** FAILED: %s\n' "${failures[@]}" >&2
  echo "************************************************************" >&2
  exit 1
fi
echo
echo "=== all suites passed (normal and asan)"
