#!/usr/bin/env bash
# Runs a Windows build's CTest tests under wine, headless, in a wine prefix of
# its own under the cache (never the user's ~/.wine). Wine's services are
# started before CTest and this prefix's wineserver is stopped after: a service
# started by the first test would inherit CTest's output pipe and keep it
# waiting.
# Usage: scripts/windows-wine-test.sh BUILD_FOLDER [ctest arguments...]
set -euo pipefail
build=$1
shift
cache=${TARVO_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvo-windows}
export WINEPREFIX=$cache/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The mingw runtime DLLs and Qt's, found by the programs through WINEPATH.
export WINEPATH="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)");/usr/x86_64-w64-mingw32/lib;$cache/qt/prefix/bin"
# Wine passes no host variable starting with QT_; WINEQT_X becomes QT_X inside.
export WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true
ctest --test-dir "$build" --output-on-failure --timeout 300 "$@"
