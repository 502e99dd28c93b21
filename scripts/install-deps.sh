#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need, only
# those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev libgl-dev libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
  xvfb xauth x11-utils openbox
  valgrind
  desktop-file-utils appstream lintian dpkg-dev file man-db
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
