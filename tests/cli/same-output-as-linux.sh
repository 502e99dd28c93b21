#!/usr/bin/env bash
# The Windows tool under wine must answer exactly as the Linux tool: the same
# standard output, standard error and exit status, byte for byte, for backups
# (whole, malformed, under Japanese names with 0x5C trail bytes, in folders with
# blanks), for fee values, and for PAD imports in every encoding the reader
# takes, hostile ones included, together with the backups they write.
# Usage: same-output-as-linux.sh LINUX_TOOL WINDOWS_TOOL BACKUP_FOLDER [PAD_FOLDER]
set -uo pipefail
linux_tool=$(realpath "$1") windows_tool=$(realpath "$2") backups=$(realpath "$3")
pads=${4:+$(realpath "$4")}
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

# PAD imports: each run starts from an empty data folder ("@existing": one
# holding an earlier backup of the fixture's name), "<FILE" is standard input,
# and the folder each tool leaves is compared too. "data/" ends in a separator
# so that both print the path they write alike.
if [[ -n $pads ]]; then
  mkdir -p "$work/pad"
  cp "$pads"/*.xml "$work/pad/"
  iconv -f UTF-8 -t EUC-JP-MS "$pads/fusen-freeware-ja.xml" >"$work/pad/fusen-euc.xml"
  iconv -f UTF-8 -t CP932 "$pads/kakeibo-shareware-yen.xml" |
    sed 's/encoding="UTF-8"/encoding="Shift_JIS"/' >"$work/pad/kakeibo-sjis.xml"
  iconv -f UTF-8 -t UTF-16 "$pads/kakeibo-shareware-yen.xml" >"$work/pad/kakeibo-utf16.xml"
  sed 's/$/\r/' "$pads/fusen-freeware-ja.xml" >"$work/pad/fusen-crlf.xml"
  # Read in text mode, standard input would end at the Ctrl+Z.
  printf '<XML_DIZ_INFO>\x1A</XML_DIZ_INFO>' >"$work/pad/ctrl-z.xml"
  printf '<XML_DIZ_INFO><Program_Info><Program_Name>\x93Q\x94</Program_Name></Program_Info></XML_DIZ_INFO>' \
    >"$work/pad/undeclared-1252.xml"
  printf '<?xml version="1.0" encoding="EUC-JP"?><XML_DIZ_INFO>\xA4\xA2\x8F\xA1</XML_DIZ_INFO>' >"$work/pad/euc-cut.xml"
  printf '<!DOCTYPE x [<!ENTITY e SYSTEM "file:///etc/hostname">]><XML_DIZ_INFO>&e;</XML_DIZ_INFO>' \
    >"$work/pad/external-entity.xml"
  printf '\xFF\xFE<\0X\0\x00\xDC' >"$work/pad/utf16-lone-surrogate.xml"
  for file in "$work"/pad/*.xml; do
    name=pad/$(basename "$file")
    runs+=("import-pad|$name|--data|data/" "import-pad|$name|--data|data/|--json|--dry-run")
  done
  runs+=("import-pad|pad/menu-windows-1252.xml|--data|data/|--transliterate|--json"
    "import-pad|pad/fusen-euc.xml|--data|data/|--input-encoding|EUC-JP"
    "import-pad|pad/undeclared-1252.xml|--data|data/|--input-encoding|windows-1252"
    "import-pad|pad/fusen-freeware-ja.xml|--data|data/|--input-encoding|UTF-16BE"
    "import-pad|-|--data|data/|--json|<pad/fusen-crlf.xml"
    "import-pad|-|--data|data/|<pad/kakeibo-utf16.xml" "import-pad|-|--data|data/|<pad/ctrl-z.xml"
    "@existing|import-pad|pad/fusen-freeware-ja.xml|--data|data/"
    "@existing|import-pad|pad/fusen-freeware-ja.xml|--data|data/|--force|--json"
    "import-pad|pad/kakeibo-shareware-yen.xml|--data|data/|--set|authorId=PA001234|--set|headline=見出し"
    "import-pad|pad/fusen-freeware-ja.xml|--data|none/" "import-pad|pad/nothere.xml|--data|data/"
    "import-pad|pad/fusen-freeware-ja.xml|--data|data/|--set|colour=red" "import-pad")
fi

# Runs one tool on one run; its outputs and data folder go to .SIDE.*.
run_side() {
  local side=$1 stdin=/dev/null
  shift
  local arguments=()
  for argument in "${run_arguments[@]}"; do
    if [[ $argument == \<* ]]; then stdin=$work/${argument:1}; else arguments+=("$argument"); fi
  done
  rm -rf "$work/data" && mkdir "$work/data"
  ((existing)) && printf 'old' >"$work/data/ふせんボード.bak"
  (cd "$work" && "$@" "${arguments[@]}" <"$stdin" >"$work/.$side.out" 2>"$work/.$side.err")
  status=$?
  rm -rf "$work/.$side.data" && mv "$work/data" "$work/.$side.data"
}

failures=0
compared=0
for run in "${runs[@]}"; do
  IFS='|' read -r -a run_arguments <<<"$run"
  existing=0
  if [[ ${run_arguments[0]} == @existing ]]; then
    existing=1
    run_arguments=("${run_arguments[@]:1}")
  fi
  arguments=("${run_arguments[@]}")
  run_side linux "$linux_tool"
  linux_status=$status
  run_side windows wine "$windows_tool"
  windows_status=$status
  compared=$((compared + 1))
  if [[ $linux_status != "$windows_status" ]] || ! cmp -s "$work/.linux.out" "$work/.windows.out" ||
    ! cmp -s "$work/.linux.err" "$work/.windows.err" || ! diff -r "$work/.linux.data" "$work/.windows.data" >/dev/null; then
    failures=$((failures + 1))
    echo "DIFFERS: ${arguments[*]} (status $linux_status on Linux, $windows_status on Windows)"
    cmp "$work/.linux.out" "$work/.windows.out"
    diff <(od -c "$work/.linux.err") <(od -c "$work/.windows.err") | head -10
  fi
done
echo "$compared runs compared, $failures differ"
((failures == 0))
