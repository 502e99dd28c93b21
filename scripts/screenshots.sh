#!/usr/bin/env bash
# Renders the four pages of the window, the load dialog and the help page under
# a dark desktop palette, filled with an example entry, into docs/ on a virtual
# display; then the first page once more where Noto Sans CJK is the only font,
# as on most Linux desktops. Run it after changing the window's look; the
# pictures are committed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${TARVO_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target tarvo-screenshots tarvo_start_folder
xvfb-run -a -s "-screen 0 1280x800x24" "$build/tools/screenshots/tarvo-screenshots" "$build/start" docs

noto=$(mktemp -d)
trap 'rm -rf "$noto"' EXIT
cat >"$noto/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/opentype/noto</dir>
  <cachedir>$noto/cache</cachedir>
</fontconfig>
EOF
FONTCONFIG_FILE="$noto/fonts.conf" xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/tools/screenshots/tarvo-screenshots" "$build/start" docs screenshot-noto.png
