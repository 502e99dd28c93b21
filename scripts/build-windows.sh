#!/usr/bin/env bash
# Builds the core, the command line tool, the window and their tests for
# 64-bit Windows with Debian's mingw-w64, warnings as errors, into
# build-windows/ (TARVO_WINDOWS_GUI=OFF leaves the window and Qt out). What it
# needs and lacks it installs from Debian; Qt for Windows, GoogleTest and expat
# are built once and kept in a cache outside the tree:
#   ${XDG_CACHE_HOME:-~/.cache}/tarvo-windows
# Qt comes from the prebuilt prefix named by TARVO_QT_TARBALL (checked against
# its .sha256) when it is there, otherwise from Debian's qt6-base source.
# Usage: scripts/build-windows.sh [--test]   (--test also runs the suites under wine)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD

cache=${TARVO_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvo-windows}
qt_tarball=${TARVO_QT_TARBALL:-$source/../shared/toolchains/qt6.4.2-mingw-x86_64.tar.xz}
qt_version=6.4.2+dfsg-10
toolchain=$source/cmake/toolchains/mingw-w64-x86_64.cmake
build=$source/build-windows
host_build=$build/host
jobs=${TARVO_JOBS:-$(nproc)}
run_tests=0
[[ ${1:-} == --test ]] && run_tests=1

mkdir -p "$cache"

install_missing() {
  local wanted=(g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 wine wine64
    cmake ninja-build googletest qt6-base-dev-tools xz-utils zip icoutils unzip
    fontconfig fonts-ipafont-gothic fonts-dejavu-core fonts-noto-cjk)
  local missing=()
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return
  echo "=== installing: ${missing[*]}"
  local sudo=
  ((EUID == 0)) || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

# Downloads a Debian source package into a folder, through a deb-src entry
# that is there only while it is fetched.
fetch_debian_source() {
  local into=$1 package=$2 sudo= entry=/etc/apt/sources.list.d/tarvo-source.sources
  ((EUID == 0)) || sudo=sudo
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: %s\n' \
    /usr/share/keyrings/debian-archive-keyring.gpg | $sudo tee "$entry" >/dev/null
  local fetched=0
  $sudo apt-get update && (cd "$into" && apt-get source --download-only "$package") && fetched=1
  $sudo rm -f "$entry"
  $sudo apt-get update
  ((fetched)) || { echo "cannot fetch Debian's source of $package" >&2; exit 1; }
}

# Qt 6.4.2 for Windows as the toolchain README describes it: Debian's source,
# its patches, one fix for Direct2D turned off, a trimmed configuration.
build_qt_from_source() {
  local work=$cache/qt-source
  echo "=== building Qt $qt_version for Windows from Debian's source (30 to 50 minutes)"
  rm -rf "$work" && mkdir -p "$work"
  fetch_debian_source "$work" "qt6-base=$qt_version"
  local orig
  orig=$(ls "$work"/qt6-base_*.orig.tar.xz)
  mkdir "$work/src" && tar -xf "$orig" -C "$work/src" --strip-components=1
  tar -xf "$(ls "$work"/qt6-base_*.debian.tar.xz)" -C "$work/src"
  (cd "$work/src" && while read -r patch _; do
    [[ -z $patch || $patch == \#* ]] && continue
    patch -p1 <"debian/patches/$patch"
  done <debian/patches/series)
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$work/src/src/plugins/platforms/windows/qwindowsintegration.cpp"
  mkdir -p "$work/build"
  (cd "$work/build" && "$work/src/configure" -prefix "$cache/qt/prefix" \
    -release -shared -xplatform win32-g++ -qt-host-path /usr -nomake tests -nomake examples \
    -no-opengl -no-feature-vulkan -no-feature-direct2d -no-dbus -no-icu -no-zstd -qt-zlib \
    -qt-libpng -no-libjpeg -no-feature-gif -qt-pcre -qt-freetype -qt-harfbuzz \
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent \
    -no-feature-xml -no-feature-tabletevent -no-feature-androiddeployqt \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  cmake --build "$work/build" --parallel "$jobs"
  cmake --install "$work/build"
  find "$cache/qt/prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  rm -rf "$work"
}

provide_qt() {
  local stamp=$cache/qt/.unpacked-from
  if [[ -f $qt_tarball ]]; then
    (cd "$(dirname "$qt_tarball")" && sha256sum --check --quiet "$(basename "$qt_tarball").sha256") ||
      { echo "the SHA-256 of $qt_tarball does not match" >&2; exit 1; }
    local sum
    sum=$(cut -d' ' -f1 "$qt_tarball.sha256")
    [[ -f $stamp && $(cat "$stamp") == "$sum" ]] && return
    echo "=== unpacking $qt_tarball"
    rm -rf "$cache/qt" && mkdir -p "$cache/qt"
    tar -xf "$qt_tarball" -C "$cache/qt"
    echo "$sum" >"$stamp"
  elif [[ ! -d $cache/qt/prefix ]]; then
    build_qt_from_source
  fi
}

# GoogleTest from the sources Debian's googletest package ships.
provide_gtest() {
  local prefix=$cache/gtest
  [[ -f $prefix/lib/cmake/GTest/GTestConfig.cmake ]] && return
  echo "=== building GoogleTest for Windows"
  rm -rf "$cache/gtest-build"
  cmake -S /usr/src/googletest -B "$cache/gtest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF \
    -Dgtest_disable_pthreads=OFF
  cmake --build "$cache/gtest-build" --parallel "$jobs"
  cmake --install "$cache/gtest-build"
  rm -rf "$cache/gtest-build"
}

# expat for PAD import, static, from Debian's expat source package with its
# patches.
provide_expat() {
  local prefix=$cache/expat work=$cache/expat-source
  [[ -f $prefix/lib/libexpat.a ]] && return
  mkdir -p "$work"
  ls "$work"/expat_*.dsc >/dev/null 2>&1 || fetch_debian_source "$work" expat
  echo "=== building expat for Windows"
  rm -rf "$work/src" "$work/build" && mkdir "$work/src"
  tar -xf "$(ls "$work"/expat_*.orig.tar.*)" -C "$work/src" --strip-components=1
  tar -xf "$(ls "$work"/expat_*.debian.tar.*)" -C "$work/src"
  (cd "$work/src" && while read -r patch _; do
    [[ -z $patch || $patch == \#* ]] && continue
    patch -p1 <"debian/patches/$patch"
  done <debian/patches/series)
  # A backported fix tests "XML_DTD == 1", which Debian's autotools build
  # defines and expat's CMake build leaves empty.
  sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$work/src/expat/expat_config.h.cmake"
  cmake -S "$work/src/expat" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" -DEXPAT_SHARED_LIBS=OFF \
    -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF \
    -DEXPAT_BUILD_PKGCONFIG=OFF
  cmake --build "$work/build" --parallel "$jobs"
  cmake --install "$work/build"
  rm -rf "$work/src" "$work/build"
}

# The CP932 tables are generated from the host's iconv by a host program.
build_host_generator() {
  cmake -S "$source" -B "$host_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_BUILD_GUI=OFF \
    -DTARVO_BUILD_TESTS=OFF -DTARVO_BUILD_BENCH=OFF >/dev/null
  cmake --build "$host_build" --target make_cp932_tables tarvo-regtext --parallel "$jobs"
}

gui=${TARVO_WINDOWS_GUI:-ON}
install_missing
# Only the window needs Qt.
[[ $gui == ON ]] && provide_qt
provide_gtest
provide_expat
build_host_generator

echo "=== configuring and building for Windows"
cmake -S "$source" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTARVO_WERROR=ON -DTARVO_BUILD_BENCH=OFF \
  -DTARVO_BUILD_GUI="$gui" -DTARVO_BUILD_TESTS="${TARVO_WINDOWS_TESTS:-ON}" \
  -DCMAKE_FIND_ROOT_PATH="$cache/qt/prefix;$cache/gtest;$cache/expat" -DGTest_DIR="$cache/gtest/lib/cmake/GTest" \
  -DQt6_DIR="$cache/qt/prefix/lib/cmake/Qt6" -DQT_HOST_PATH=/usr \
  -DTARVO_CP932_GENERATOR="$host_build/src/core/make_cp932_tables" \
  -DTARVO_HOST_REGTEXT="$host_build/src/cli/tarvo-regtext"
cmake --build "$build/win" --parallel "$jobs"

# The zip a Windows user unpacks, dist/tarvo-registration-<version>-windows-x64.zip.
if [[ $gui == ON ]]; then
  bash scripts/package-windows.sh "$build/win" "$cache/qt/prefix" "$source/dist"
fi

if ((run_tests)); then
  bash scripts/windows-wine-test.sh "$build/win"
fi
