#!/usr/bin/env bash
# Starts the installed launcher as a menu would, on Qt's offscreen platform with
# a fresh XDG_DATA_HOME, and ends it once the program is up in its folder.
# A second start must leave a changed category.dat alone.
#   smoke_test.sh CMAKE BUILD_DIR
set -uo pipefail
# shellcheck source=tests/packaging/lib.sh
source "$(dirname "$0")/lib.sh"

cmake=$1
build=$2

make_scratch
prefix=$scratch/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || {
    cat "$scratch/install.log"
    fail "cmake --install"
    finish
    exit 1
}
program=$(readlink -f "$prefix/libexec/tarvo-registration/tarvo-registration")
shipped=$prefix/share/tarvo-registration
home=$scratch/home
runtime=$scratch/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
folder=$scratch/xdg/tarvo-registration

# The launcher replaces itself with the program, so the process it started as
# is running the program once the program is up: in the per-user folder, or
# already in the folder it saves into (the home folder here, which has no
# documents folder).
program_is_up() {
    local pid=$1 cwd
    cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null)
    [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == "$program" ]] &&
        [[ "$cwd" == "$(readlink -f "$folder")" || "$cwd" == "$(readlink -f "$home")" ]]
}

saves_into_home() {
    [[ "$(readlink "/proc/$1/cwd" 2>/dev/null)" == "$(readlink -f "$home")" ]]
}

# start_and_end LABEL: starts the launcher, waits up to 30 s for the program,
# lets it run its start-up for a moment, checks it is still alive, ends it.
start_and_end() {
    local label=$1 pid waited=0
    (cd "$home" && exec env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$scratch/xdg" \
        XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$prefix/bin/tarvo-registration") \
        >"$scratch/$label.log" 2>&1 &
    pid=$!
    until program_is_up "$pid"; do
        if ((waited >= 300)) || ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    check "$label: the program runs from the launcher" program_is_up "$pid"
    sleep 1
    check "$label: the text is saved into the home folder" saves_into_home "$pid"
    check "$label: the program is still running after its start-up" kill -0 "$pid"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [[ -s "$scratch/$label.log" ]]; then
        printf '%s: what the program printed:\n' "$label"
        sed 's/^/    | /' "$scratch/$label.log"
    fi
}

start_and_end "first start"
check "first start: the data folder exists" test -d "$folder/data"
check "first start: category.dat is the shipped one" cmp -s "$shipped/category.dat" "$folder/category.dat"
check "first start: tarvo.dat is the shipped one" cmp -s "$shipped/tarvo.dat" "$folder/tarvo.dat"
check_not "first start: nothing lands in the home folder" test -e "$home/.local"

# The user edits the category list; the next start must keep the edit.
printf '\x83\x65\x83\x58\x83\x67\r\n' >>"$folder/category.dat"
cp "$folder/category.dat" "$scratch/changed.dat"
start_and_end "second start"
check "second start: the changed category.dat is untouched" cmp -s "$scratch/changed.dat" "$folder/category.dat"
check "second start: tarvo.dat is still the shipped one" cmp -s "$shipped/tarvo.dat" "$folder/tarvo.dat"

finish
