#!/usr/bin/env bash
# Packs a Windows build into the portable zip a Windows user unpacks and runs:
# the two programs, the DLLs they need, the data files, an empty backup folder,
# a Japanese read-me and the licences. The DLLs are found by following the
# imports of every program and plugin through Qt's bin folder and the mingw
# runtime folders; what is found in none of them is left to Windows.
# Usage: scripts/package-windows.sh BUILD_FOLDER QT_PREFIX OUTPUT_FOLDER
set -euo pipefail
build=$(realpath "$1") qt=$(realpath "$2")
mkdir -p "$3"
out=$(realpath "$3")
cd "$(dirname "$0")/.."

triplet=x86_64-w64-mingw32
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tarvo-registration-$version
zip=$out/$name-windows-x64.zip
search=("$qt/bin" "$(dirname "$($triplet-g++-posix -print-libgcc-file-name)")" "/usr/$triplet/lib")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/$name
mkdir -p "$stage/data" "$stage/licenses" "$stage/platforms" "$stage/styles"

cp "$build/start/tarvo-registration.exe" "$build/src/cli/tarvo-regtext.exe" "$stage/"
cp "$build/start/category.dat" "$build/start/tarvo.dat" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

imports() {
  $triplet-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

# Breadth first over the imports; Windows looks for a DLL beside the exe first,
# so each one found goes into the top folder, whoever imports it.
queue=("$stage"/*.exe "$stage"/platforms/*.dll "$stage"/styles/*.dll)
runtime_packages=()
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [[ -n $(find "$stage" -maxdepth 1 -iname "$dll") ]] && continue
    for folder in "${search[@]}"; do
      found=$(find "$folder" -maxdepth 1 -iname "$dll" | head -1)
      [[ -n $found ]] || continue
      cp "$found" "$stage/"
      queue+=("$stage/$(basename "$found")")
      [[ $folder == "$qt/bin" ]] || runtime_packages+=("$(dpkg -S "$(realpath "$found")" | cut -d: -f1)")
      break
    done
  done < <(imports "$file")
done
find "$stage" -iname '*.dll' -exec $triplet-strip --strip-unneeded {} +
$triplet-strip --strip-all "$stage"/*.exe

# What a person reads on Windows: CR LF; the read-me in the code page of Japanese Windows.
crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }
sed "s/@VERSION@/$version/" packaging/windows/readme.txt | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' \
  >"$stage/readme.txt"
crlf packaging/windows/licenses.txt "$stage/licenses/README.txt"
crlf LICENSE "$stage/licenses/tarvo-registration.txt"
crlf /usr/share/common-licenses/LGPL-3 "$stage/licenses/LGPL-3.txt"
crlf /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"
crlf "$(dpkg -L libqt6core6 | grep '/copyright$')" "$stage/licenses/qt6-base-copyright.txt"
for package in $(printf '%s\n' "${runtime_packages[@]}" | sort -u); do
  crlf "/usr/share/doc/$package/copyright" "$stage/licenses/$package.txt"
done

rm -f "$zip"
(cd "$work" && zip -q -9 -r -X "$zip" "$name")
echo "=== $zip: $(stat -c %s "$zip") bytes"
