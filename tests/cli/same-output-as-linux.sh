#!/usr/bin/env bash
# The Windows tool under wine must answer exactly as the Linux tool: the same
# standard output, standard error and exit status, byte for byte, for backups
# (whole, malformed, under Japanese names with 0x5C trail bytes, in folders with
# blanks) and for fee values.
# Usage: same-output-as-linux.sh LINUX_TOOL WINDOWS_TOOL BACKUP_FOLDER
set -uo pipefail
linux_tool=$(realpath "$1") windows_tool=$(realpath "$2") backups=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Wine reads the host's arguments in the host's encoding.
export LC_ALL=C.UTF-8

mkdir -p "$work/登録 表ソ/data"
for file in "$backups"/*.bak; do
  name=$(basename "$file" .bak)
  cp "$file" "$work/$name.bak"
done
cp "$backups/shareware.bak" "$work/表計算ソフト.bak"
cp "$backups/shareware.bak" "$work/ソ能表.bak"
cp "$backups/freeware.bak" "$work/登録 表ソ/data/ 表 ソフト .bak"
cp "$backups/shareware.bak" "$work/x.bak.bak"
cp "$backups/shareware.bak" "$work/CALC.BAK"

runs=()
for file in "$work"/*.bak "$work"/*.BAK; do
  runs+=("render|$(basename "$file")" "render|--utf8|$(basename "$file")")
done
runs+=("render|登録 表ソ/data/ 表 ソフト .bak" "render|--utf8|登録 表ソ/data/ 表 ソフト .bak"
  "render|nothere.bak" "render|déjà.bak" "render" "render|a.bak|b.bak" "render|--bogus|x.bak"
  "fees" "nothing" "--help" "--version")
for fee in 0 1 999 1500 2000 9999 10000 123456 2147483647 2147483648 -1 -0 +5 007 " 12" "12 " "" abc 1e3 "５００" 12345678901; do
  runs+=("fees|$fee")
done

failures=0
compared=0
for run in "${runs[@]}"; do
  IFS='|' read -r -a arguments <<<"$run"
  (cd "$work" && "$linux_tool" "${arguments[@]}" >"$work/.linux.out" 2>"$work/.linux.err")
  linux_status=$?
  (cd "$work" && wine "$windows_tool" "${arguments[@]}" >"$work/.windows.out" 2>"$work/.windows.err")
  windows_status=$?
  compared=$((compared + 1))
  if [[ $linux_status != "$windows_status" ]] || ! cmp -s "$work/.linux.out" "$work/.windows.out" ||
    ! cmp -s "$work/.linux.err" "$work/.windows.err"; then
    failures=$((failures + 1))
    echo "DIFFERS: ${arguments[*]} (status $linux_status on Linux, $windows_status on Windows)"
    cmp "$work/.linux.out" "$work/.windows.out"
    diff <(od -c "$work/.linux.err") <(od -c "$work/.windows.err") | head -10
  fi
done
echo "$compared runs compared, $failures differ"
((failures == 0))
