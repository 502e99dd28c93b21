#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: the normal
# build (the "default" preset: warnings as errors), then the sanitizer build (the
# "asan" preset: ASan and UBSan, any report fails its test). Then the core,
# CLI and window suites built for Windows run under wine. Then it checks the
# sources against .clang-format. Both suites run even when the first fails; the
# script prints both CTest summaries and the format check's and exits non-zero on
# any build error, failing test or unformatted file.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1

jobs=$(nproc)
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
  cmake --preset default && cmake --build --preset default --parallel "$jobs"
}

build_asan() {
  cmake --preset asan && cmake --build --preset asan --parallel "$jobs"
}

# The core, the command-line tool and the window cross-built for Windows (build-windows/).
build_windows() {
  TARVO_JOBS=$jobs bash scripts/build-windows.sh
}

suite_ctest() {
  case $1 in
  normal) ctest --preset default --parallel "$jobs" ;;
  asan) ctest --preset asan --parallel "$jobs" ;;
  windows) bash scripts/windows-wine-test.sh build-windows/win ;;
  esac
}

run_suite normal build_normal
run_suite asan build_asan
run_suite windows build_windows

# The format check needs a configured build folder; the normal one has been
# configured by now, or its failure is already counted.
echo "=== format: clang-format check"
if ! cmake --build --preset default --target format-check 2>&1 | tee "$logs/format.log"; then
  failures+=("format: check failed (rewrite the sources with: cmake --build --preset default --target format)")
fi

# The summary block of each run: from "% tests passed" to the end.
for name in normal asan windows; do
  echo
  echo "=== $name summary"
  sed -n '/tests passed, /,$p' "$logs/$name.log" | grep -v '^$' || tail -n 5 "$logs/$name.log"
done
echo
echo "=== format summary"
grep -E 'files (differ from|match) \.clang-format|clang-format is missing' "$logs/format.log" ||
  tail -n 5 "$logs/format.log"

if ((${#failures[@]} > 0)); then
  echo >&2
  echo "************************************************************" >&2
  printf '*** FAILED: %s\n' "${failures[@]}" >&2
  echo "************************************************************" >&2
  exit 1
fi
echo
echo "=== all suites passed (normal, asan and windows under wine) and the sources are formatted"
