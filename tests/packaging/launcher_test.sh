#!/usr/bin/env bash
# The launcher, run from a fake installed tree whose program only reports where
# and how it was started.
#   launcher_test.sh LAUNCHER PATH_TO_PROGRAM PATH_TO_DATA VERSION
# (the paths relative to the launcher's folder, as configured).
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
source "$(dirname "$0")/lib.sh"
umask 022

launcher_source=$1
to_program=$2
to_data=$3
version=$4

make_scratch
prefix=$scratch/prefix
bin=$prefix/bin
mkdir -p "$bin"
cp "$launcher_source" "$bin/tarvo-registration"
chmod 755 "$bin/tarvo-registration"
program=$(cd "$bin" && mkdir -p "$(dirname "$to_program")" && cd "$(dirname "$to_program")" && pwd)/$(basename "$to_program")
shipped=$(cd "$bin" && mkdir -p "$to_data" && cd "$to_data" && pwd)

# The fake program writes its working folder, argument count and the folder
# it is told to save in to the file named by FAKE_LOG and ends with FAKE_STATUS.
cat >"$program" <<'EOF'
#!/bin/sh
printf '%s\n%s\n%s\n' "$(pwd -P)" "$#" "${TARVO_REGISTRATION_SAVE_FOLDER-(unset)}" >"$FAKE_LOG"
exit "${FAKE_STATUS:-0}"
EOF
chmod 755 "$program"
# CP932 with CR LF, as the build ships them ("カテゴリ" and "案内").
printf '\x83\x4a\x83\x65\x83\x53\x83\x8a\r\nA\r\n' >"$shipped/category.dat"
printf '\x88\xc4\x93\xe0\r\n' >"$shipped/tarvo.dat"

export FAKE_LOG=$scratch/log
home=$scratch/home
mkdir -p "$home"

# run [ENV=VALUE...]: starts the launcher with a clean environment plus those
# settings; leaves the status in $status, standard output in $output and
# standard error in $errors.
run() {
    rm -f "$FAKE_LOG"
    env -i PATH="$PATH" HOME="$home" FAKE_LOG="$FAKE_LOG" "$@" \
        "$bin/tarvo-registration" ${launcher_args[@]+"${launcher_args[@]}"} </dev/null >"$scratch/out" 2>"$scratch/err"
    status=$?
    output=$(cat "$scratch/out")
    errors=$(cat "$scratch/err")
    launcher_args=()
}
launcher_args=()

started_in() {
    [[ -f "$FAKE_LOG" ]] && [[ "$(sed -n 1p "$FAKE_LOG")" == "$(cd "$1" && pwd -P)" ]]
}

# --- first start: folder, data folder and copies made, program started there
xdg=$scratch/xdg
folder=$xdg/tarvo-registration
run XDG_DATA_HOME="$xdg"
check_equal "first start ends with the program's status" 0 "$status"
check "first start creates the data folder" test -d "$folder/data"
check "first start copies category.dat unchanged" cmp -s "$shipped/category.dat" "$folder/category.dat"
check "first start copies tarvo.dat unchanged" cmp -s "$shipped/tarvo.dat" "$folder/tarvo.dat"
check "program runs in the per-user folder" started_in "$folder"
check_equal "program gets no arguments" 0 "$(sed -n 2p "$FAKE_LOG" 2>/dev/null)"
check_equal "first start is silent" "" "$errors"
check_equal "copies are readable by the user" 644 "$(mode_of "$folder/category.dat")"
check_equal "no partial copies remain" "" "$(find "$folder" -name '.*.dat.*')"

# --- second start: the user's changed file stays, a removed one comes back
printf 'changed\r\n' >"$folder/category.dat"
rm "$folder/tarvo.dat"
touch "$folder/data/Soft.bak"
run XDG_DATA_HOME="$xdg"
check_equal "second start keeps the changed category.dat" "changed" "$(tr -d '\r' <"$folder/category.dat")"
check "second start restores a removed tarvo.dat" cmp -s "$shipped/tarvo.dat" "$folder/tarvo.dat"
check "second start keeps the backups" test -f "$folder/data/Soft.bak"
check "second start runs the program" started_in "$folder"

# --- a link in the way counts as a file that is there, even a dangling one
xdg_link=$scratch/xdg-link
mkdir -p "$xdg_link/tarvo-registration"
ln -s "$scratch/nowhere" "$xdg_link/tarvo-registration/category.dat"
run XDG_DATA_HOME="$xdg_link"
check "a dangling link named category.dat is left alone" test -L "$xdg_link/tarvo-registration/category.dat"
check_not "nothing is written through that link" test -e "$scratch/nowhere"

# --- where the folder goes
for setting in "unset" "empty" "relative"; do
    rm -rf "$home/.local"
    case $setting in
        unset) run ;;
        empty) run XDG_DATA_HOME= ;;
        relative) run XDG_DATA_HOME=relative/share ;;
    esac
    check "XDG_DATA_HOME $setting: program runs in ~/.local/share/tarvo-registration" \
        started_in "$home/.local/share/tarvo-registration"
done
check_not "a relative XDG_DATA_HOME creates nothing" test -e "$bin/relative"

odd=$scratch/"my files/ソフト 登録"
run XDG_DATA_HOME="$odd"
check "a folder name with blanks and Japanese characters works" started_in "$odd/tarvo-registration"
check "...and gets the data files" cmp -s "$shipped/category.dat" "$odd/tarvo-registration/category.dat"

# --- started through a link in another folder (as a user's ~/bin might hold)
mkdir -p "$scratch/elsewhere"
ln -s "$bin/tarvo-registration" "$scratch/elsewhere/tarvo"
rm -f "$FAKE_LOG"
env -i PATH="$PATH" HOME="$home" FAKE_LOG="$FAKE_LOG" XDG_DATA_HOME="$xdg" "$scratch/elsewhere/tarvo"
check "a link to the launcher finds the program" started_in "$folder"

# --- the program's exit status is passed on
run XDG_DATA_HOME="$xdg" FAKE_STATUS=3
check_equal "the program's exit status is the launcher's" 3 "$status"

# --- the folder the text is saved in: the documents folder xdg-user-dir
# names, else home; the start folder is not affected
tools=$scratch/tools
mkdir -p "$tools" "$home/Dokumente"
while IFS=';' read -r answer want; do
    # shellcheck disable=SC2016 # "$1" is the fake tool's own argument
    printf '#!/bin/sh\n[ "$1" = DOCUMENTS ] || exit 2\n%s\n' "$answer" >"$tools/xdg-user-dir"
    chmod 755 "$tools/xdg-user-dir"
    run XDG_DATA_HOME="$xdg" PATH="$tools:$PATH"
    check_equal "save folder when xdg-user-dir does '$answer'" "$want" "$(sed -n 3p "$FAKE_LOG" 2>/dev/null)"
    check "...and the program still runs in its start folder" started_in "$folder"
done <<EOF
echo "$home/Dokumente";$home/Dokumente
echo "$home/missing";$home
echo relative;$home
echo;$home
exit 1;$home
EOF
run XDG_DATA_HOME="$xdg" HOME=relative PATH="$tools:$PATH"
check_equal "no documents folder and no absolute HOME: nothing is named" "(unset)" "$(sed -n 3p "$FAKE_LOG" 2>/dev/null)"

# --- arguments: the two options answer on standard output, anything else is a
# usage error; none starts the program or creates the folder.
# ARGUMENTS; STATUS; STANDARD OUTPUT; STANDARD ERROR (glob patterns)
help_text="Usage: tarvo-registration \[--help | --version\]*\$XDG_DATA_HOME/tarvo-registration*"
help_text+="category.dat*tarvo.dat*setting.dat*data/*"
refusal="tarvo-registration: takes no arguments*"
while IFS=';' read -r arguments want_status want_output want_errors; do
    read -ra launcher_args <<<"$arguments"
    run XDG_DATA_HOME="$scratch/args"
    check_equal "'$arguments' ends with $want_status" "$want_status" "$status"
    check "...prints what it should on standard output" matches "$output" "$want_output"
    check "...and on standard error" matches "$errors" "$want_errors"
    check_not "...starts nothing" test -f "$FAKE_LOG"
    check_not "...and creates no folder" test -e "$scratch/args"
done <<EOF
--help;0;$help_text;
--version;0;tarvo-registration $version;
--frobnicate;64;;$refusal
--help --version;64;;$refusal
$scratch/args;64;;$refusal
EOF

blocked=$scratch/blocked
mkdir -p "$blocked/tarvo-registration"
touch "$blocked/tarvo-registration/data"
run XDG_DATA_HOME="$blocked"
check_equal "a file named data in the way fails" 1 "$status"
check_contains "...with a message naming the folder" "$errors" "$blocked/tarvo-registration/data"
check_not "...and starts nothing" test -f "$FAKE_LOG"

rm -f "$FAKE_LOG"
errors=$(env -i PATH="$PATH" "$bin/tarvo-registration" 2>&1)
status=$?
check_equal "no HOME and no XDG_DATA_HOME fails" 1 "$status"
check_not "...and starts nothing" test -f "$FAKE_LOG"

# --- a damaged installation
mv "$shipped/tarvo.dat" "$scratch/tarvo.dat.away"
run XDG_DATA_HOME="$scratch/damaged"
check_contains "a missing shipped file is reported" "$errors" "tarvo.dat"
check "...the other file is still copied" test -f "$scratch/damaged/tarvo-registration/category.dat"
check "...and the program still starts (it reports its own missing files)" \
    started_in "$scratch/damaged/tarvo-registration"
mv "$scratch/tarvo.dat.away" "$shipped/tarvo.dat"

mv "$program" "$scratch/program.away"
run XDG_DATA_HOME="$xdg"
check_equal "a missing program fails" 1 "$status"
check_contains "...with a message" "$errors" "program is missing"
launcher_args=(--version) && run XDG_DATA_HOME="$xdg"
check_equal "...but --version still answers" "0 tarvo-registration $version" "$status $output"

finish
