#!/usr/bin/env bash
# Installs this build into a temporary prefix and checks the installed tree.
#   install_tree_test.sh CMAKE BUILD_DIR APP_ID VERSION START_DIR README
# (START_DIR: where the build puts the data files it ships; README: the
# project's README.md, whose pictures the metainfo shows)
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
source "$(dirname "$0")/lib.sh"

cmake=$1
build=$2
app_id=$3
version=$4
start=$5
readme=$6

make_scratch
prefix=$scratch/prefix
if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    fail "cmake --install into a temporary prefix"
    finish
    exit 1
fi
pass "cmake --install into a temporary prefix"
cd "$prefix" || exit 1

# --- exactly these files, with these modes
expected=$(sort <<EOF
755 bin/tarvo-registration
755 bin/tarvo-regtext
755 libexec/tarvo-registration/tarvo-registration
644 share/tarvo-registration/category.dat
644 share/tarvo-registration/tarvo.dat
644 share/applications/$app_id.desktop
644 share/metainfo/$app_id.metainfo.xml
644 share/icons/hicolor/16x16/apps/$app_id.png
644 share/icons/hicolor/32x32/apps/$app_id.png
644 share/icons/hicolor/48x48/apps/$app_id.png
644 share/icons/hicolor/64x64/apps/$app_id.png
644 share/icons/hicolor/128x128/apps/$app_id.png
644 share/icons/hicolor/256x256/apps/$app_id.png
644 share/icons/hicolor/scalable/apps/$app_id.svg
644 share/man/man1/tarvo-registration.1.gz
644 share/man/man1/tarvo-regtext.1.gz
644 share/doc/tarvo-registration/copyright
644 share/doc/tarvo-registration/changelog.gz
EOF
)
actual=$(find . -type f -printf '%m %P\n' | sort)
check_equal "installed files and modes" "$expected" "$actual"
check_equal "no links or other odd entries" "" "$(find . ! -type f ! -type d)"
check_equal "every folder is 755" "" "$(find . -type d ! -perm 755)"

# --- the programs
kind() {
    file -b "$1"
}
check_contains "the launcher is a POSIX shell script" "$(kind bin/tarvo-registration)" "POSIX shell script"
check "the launcher parses under dash" dash -n bin/tarvo-registration
for binary in bin/tarvo-regtext libexec/tarvo-registration/tarvo-registration; do
    check_contains "$binary is an executable" "$(kind "$binary")" "ELF 64-bit LSB pie executable"
    check_equal "$binary holds no run path into the build" "" \
        "$(readelf -d "$binary" | grep -E 'R(UN)?PATH')"
done
check_contains "installed tarvo-regtext runs and tells its version" "$(bin/tarvo-regtext --version)" "$version"

# --- the shipped data files: CP932, CR LF, as the build made them
for name in category.dat tarvo.dat; do
    shipped=share/tarvo-registration/$name
    check "$name is the file the build made" cmp -s "$start/$name" "$shipped"
    check "$name is valid CP932" iconv -f CP932 -t UTF-8 -o /dev/null "$shipped"
    check_equal "$name has only CR LF line ends" "$(grep -c '' "$shipped")" "$(grep -c $'\r$' "$shipped")"
    check_equal "$name ends with CR LF" "0d0a" "$(tail -c 2 "$shipped" | od -An -tx1 | tr -d ' \n')"
    check "$name is not empty" test -s "$shipped"
done

# --- desktop entry
desktop=share/applications/$app_id.desktop
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
entry=$(cat "$desktop")
check_contains "desktop entry starts the launcher" "$entry" $'\nExec=tarvo-registration\n'
check_contains "desktop entry names its icon" "$entry" $'\nIcon='"$app_id"$'\n'
check_contains "desktop entry has an English name" "$entry" $'\nName=Tarvo Registration System\n'
check_contains "desktop entry has a Japanese name" "$entry" $'\nName[ja]='
check_contains "desktop entry is in Office only" "$entry" $'\nCategories=Office;\n'

# --- AppStream metainfo
metainfo=share/metainfo/$app_id.metainfo.xml
# As distributions run it: every address in it is fetched.
check "appstreamcli validates the metainfo" appstreamcli validate "$metainfo"
info=$(cat "$metainfo")
check_contains "metainfo carries the id" "$info" "<id>$app_id</id>"
check_contains "metainfo launches the installed desktop entry" "$info" \
    "<launchable type=\"desktop-id\">$app_id.desktop</launchable>"
check_contains "metainfo names this release" "$info" "<release version=\"$version\""
check_equal "metainfo is in Office only" "<category>Office</category>" "$(grep -o '<category>.*</category>' <<<"$info")"
# The screenshots: in the source, the README's pictures in its order under its
# captions (but the Windows build's, which a Linux package does not show);
# installed only from where the packager publishes them
# (TARVO_SCREENSHOT_BASE_URL), never from a host that does not resolve.
source_info=$(cat "$(dirname "$readme")/packaging/tarvo-registration.metainfo.xml.in")
check_equal "the screenshots are the README's pictures" \
    "$(grep -o 'docs/screenshot-[a-z-]*\.png' "$readme" | grep -v -x 'docs/screenshot-windows\.png' | sed 's|^docs/||')" \
    "$(sed -n 's|^ *<image>@TARVO_SCREENSHOT_BASE_URL@\(screenshot-[a-z-]*\.png\)</image>$|\1|p' <<<"$source_info")"
check_contains "the first screenshot is the default" "$(grep -m1 '<screenshot ' <<<"$source_info")" 'type="default"'
check_equal "each screenshot has a caption" "$(grep -c '<screenshot[ >]' <<<"$source_info")" \
    "$(grep -c '<caption>' <<<"$source_info")"
while IFS= read -r caption; do
    check_contains "caption '$caption' is the README's" "$(cat "$readme")" "$caption"
done < <(sed -n 's|^ *<caption>\(.*\)</caption>$|\1|p' <<<"$source_info")
if [[ -z ${TARVO_SCREENSHOT_BASE_URL:-} ]]; then
    check_not "no screenshots without a base URL" grep -q '<screenshot' <<<"$info"
else
    check_equal "the installed screenshots are where the packager publishes them" \
        "$(sed -n "s|^ *<image>@TARVO_SCREENSHOT_BASE_URL@\(.*\)</image>\$|$TARVO_SCREENSHOT_BASE_URL\1|p" <<<"$source_info")" \
        "$(sed -n 's|^ *<image>\(.*\)</image>$|\1|p' <<<"$info")"
fi
check_not "no address on a host that never resolves" grep -q '://[^/]*\.example[:/]' <<<"$info"

# --- icons: each PNG is as large as its folder says
for size in 16 32 48 64 128 256; do
    check_contains "icon ${size}x$size has that size" \
        "$(kind "share/icons/hicolor/${size}x$size/apps/$app_id.png")" "PNG image data, $size x $size"
done
check_contains "the scalable icon is SVG" "$(kind "share/icons/hicolor/scalable/apps/$app_id.svg")" "SVG"

# --- manual pages render without warnings, as Debian checks them
for page in share/man/man1/*.1.gz; do
    check "$page is gzip" gzip -t "$page"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    check_equal "$page renders without warnings" "" "$warnings"
done
regtext_page=$(gzip -dc share/man/man1/tarvo-regtext.1.gz)
for word in render fees '\-\-utf8' '\-\-help' '\-\-version' '.B 64'; do
    check_contains "the tarvo-regtext page documents $word" "$regtext_page" "$word"
done

# --- documents
check_contains "the copyright file carries the licence" "$(cat share/doc/tarvo-registration/copyright)" \
    "Permission is hereby granted"
check_contains "the changelog names this version" "$(gzip -dc share/doc/tarvo-registration/changelog.gz)" \
    "tarvo-registration ($version)"

finish
