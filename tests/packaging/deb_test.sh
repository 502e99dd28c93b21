#!/usr/bin/env bash
# Builds the Debian package from this build and checks it with dpkg-deb and
# lintian. The package is never installed.
#   deb_test.sh CPACK BUILD_DIR APP_ID VERSION
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
source "$(dirname "$0")/lib.sh"

cpack=$1
build=$2
app_id=$3
version=$4

make_scratch
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    fail "cpack builds the package"
    finish
    exit 1
fi
deb=$scratch/out/tarvo-registration_${version}_$(dpkg --print-architecture).deb
check "cpack builds $(basename "$deb")" test -f "$deb"

# --- control fields
field() {
    dpkg-deb -f "$deb" "$1"
}
info=$(dpkg-deb -I "$deb")
printf '%s\n' "$info"
check_equal "package name" "tarvo-registration" "$(field Package)"
check_equal "version" "$version" "$(field Version)"
check_equal "section" "utils" "$(field Section)"
check_equal "priority" "optional" "$(field Priority)"
check_contains "maintainer has a name and an address" "$(field Maintainer)" " <"
check_contains "description has a synopsis" "$(field Description)" "registration form writer for the Tarvo"
check_contains "description explains the per-user folder" "$(field Description)" \
    ".local/share/tarvo-registration"
depends=$(field Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 fonts-ipafont-gothic xdg-utils libexpat1; do
    check_contains "depends on $package" "$depends" "$package"
done

# --- contents: everything under /usr, owned by root, with the expected modes
listing=$(dpkg-deb -c "$deb")
printf '%s\n' "$listing"
entry_of() {
    awk -v path="./$1" '$6 == path { print $1, $2 }' <<<"$listing"
}
check_equal "launcher is /usr/bin/tarvo-registration" "-rwxr-xr-x root/root" "$(entry_of usr/bin/tarvo-registration)"
check_equal "command-line tool is /usr/bin/tarvo-regtext" "-rwxr-xr-x root/root" "$(entry_of usr/bin/tarvo-regtext)"
check_equal "program is in /usr/libexec" "-rwxr-xr-x root/root" \
    "$(entry_of usr/libexec/tarvo-registration/tarvo-registration)"
for path in usr/share/tarvo-registration/category.dat usr/share/tarvo-registration/tarvo.dat \
    "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png" "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    usr/share/man/man1/tarvo-regtext.1.gz usr/share/man/man1/tarvo-registration.1.gz \
    usr/share/doc/tarvo-registration/copyright usr/share/doc/tarvo-registration/changelog.gz; do
    check_equal "/$path is in the package" "-rw-r--r-- root/root" "$(entry_of "$path")"
done
check_equal "nothing outside /usr" "" "$(awk '$6 !~ /^\.\/usr\// { print $6 }' <<<"$listing")"
check_equal "nothing owned by another user" "" "$(awk '$2 != "root/root" { print $6 }' <<<"$listing")"

# --- the binaries are stripped
dpkg-deb -x "$deb" "$scratch/tree"
for binary in usr/bin/tarvo-regtext usr/libexec/tarvo-registration/tarvo-registration; do
    check_contains "/$binary is stripped" "$(file -b "$scratch/tree/$binary")" ", stripped"
done

# --- lintian: no errors (warnings and notes are shown)
if ! command -v lintian >/dev/null; then
    fail "lintian is installed (scripts/install-deps.sh installs it)"
else
    report=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1)
    status=$?
    printf 'lintian:\n%s\n' "$report"
    check_equal "lintian reports no errors" 0 "$status"
fi

finish
