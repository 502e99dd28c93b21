#!/usr/bin/env bash
# The Windows zip as a user gets it, unpacked into a fresh folder with a
# Japanese name: the tool in it runs under wine with no DLL but the zip's own
# (no WINEPATH) and renders a backup exactly as the Linux tool does; every DLL
# that a program or plugin in it imports is in it or is part of Windows; both
# programs carry their manifest and version; the data files and the read-me are
# CP932 with CR LF; the backup folder is there and empty.
# Usage: windows-zip.sh ZIP BUILT_WINDOWS_TOOL LINUX_TOOL BACKUP
set -uo pipefail
zip=$1 built=$2 linux_tool=$(realpath "$3") backup=$(realpath "$4")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
[[ $zip -nt $built ]] || { echo "FAIL: $zip is missing or older than the build: run scripts/package-windows.sh"; exit 1; }

unzip -q "$zip" -d "$work/展開 先" || { echo "FAIL: $zip does not unpack"; exit 1; }
top=$(find "$work/展開 先" -mindepth 1 -maxdepth 1)
[[ -d $top && $(wc -l <<<"$top") == 1 ]] || { echo "FAIL: the zip has not one top folder"; exit 1; }

for file in tarvo-registration.exe tarvo-regtext.exe platforms/qwindows.dll styles/qwindowsvistastyle.dll \
  licenses/LGPL-3.txt licenses/GPL-3.txt; do
  [[ -f $top/$file ]] || fail "$file is missing"
done
[[ -d $top/data && -z $(ls -A "$top/data") ]] || fail "data is not an empty folder"

# Windows 10's own DLLs; api-ms-win-* are its API sets.
system='^(advapi32|authz|bcrypt|comdlg32|d3d9|d3d11|dwmapi|dxgi|gdi32|imm32|kernel32|mpr|msvcrt|netapi32|ole32|oleaut32|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-.*)\.dll$'
while IFS= read -r -d '' file; do
  while read -r dll; do
    [[ ${dll,,} =~ $system || -n $(find "$top" -maxdepth 1 -iname "$dll") ]] ||
      fail "${file#"$top"/} imports $dll, which is neither in the zip nor part of Windows"
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$top" \( -iname '*.exe' -o -iname '*.dll' \) -print0)

for exe in tarvo-registration.exe tarvo-regtext.exe; do
  for mark in PerMonitorV2 '<activeCodePage[^>]*>UTF-8<' Microsoft.Windows.Common-Controls; do
    grep -qa "$mark" "$top/$exe" || fail "the manifest of $exe lacks $mark"
  done
  x86_64-w64-mingw32-strings -e l "$top/$exe" | grep -q '^Tarvo Registration System$' ||
    fail "$exe has no version information"
done

for text in category.dat tarvo.dat readme.txt; do
  file=$top/$text
  lines=$(wc -l <"$file")
  ((lines > 0 && $(LC_ALL=C grep -c $'\r$' "$file") == lines && $(tr -cd '\r' <"$file" | wc -c) == lines)) &&
    [[ -z $(tail -c 1 "$file") ]] || fail "$text has a line not ended by CR LF"
  iconv -f CP932 -t UTF-16LE "$file" >/dev/null 2>&1 || fail "$text is not CP932"
  iconv -f UTF-8 -t UTF-16LE "$file" >/dev/null 2>&1 && fail "$text is UTF-8, not CP932"
done

# Wine reads the host's file names in the host's encoding.
unset WINEPATH
export LC_ALL=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cp "$backup" "$work/sample.bak"
(cd "$work" && "$linux_tool" render sample.bak >linux.txt 2>/dev/null)
(cd "$work" && wine "$top/tarvo-regtext.exe" render sample.bak >windows.txt 2>windows.err) ||
  fail "tarvo-regtext.exe from the zip fails: $(head -c 300 "$work/windows.err")"
cmp "$work/linux.txt" "$work/windows.txt" || fail "tarvo-regtext.exe from the zip renders otherwise than Linux"

((failures == 0)) && echo "the zip is complete"
((failures == 0))
