# shellcheck shell=bash
# Shared helpers of the packaging tests (bash).
# Each check prints one line; finish prints the tally and fails on any failure.

passed=0
failed=0

pass() {
    passed=$((passed + 1))
    printf 'ok: %s\n' "$1"
}

fail() {
    failed=$((failed + 1))
    printf 'FAILED: %s\n' "$1"
}

# check DESCRIPTION COMMAND...: the command must succeed.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# check_not DESCRIPTION COMMAND...: the command must fail.
check_not() {
    local what=$1
    shift
    if "$@"; then fail "$what"; else pass "$what"; fi
}

check_equal() {
    local what=$1 expected=$2 actual=$3
    if [[ "$expected" == "$actual" ]]; then
        pass "$what"
    else
        fail "$what (expected '$expected', got '$actual')"
    fi
}

check_contains() {
    local what=$1 haystack=$2 needle=$3
    if [[ "$haystack" == *"$needle"* ]]; then
        pass "$what"
    else
        fail "$what ('$needle' not in output)"
        printf '%s\n' "$haystack" | sed 's/^/    | /'
    fi
}

# matches TEXT PATTERN: the text matches the glob pattern as a whole.
matches() {
    # shellcheck disable=SC2053 # the pattern is meant to be a glob
    [[ $1 == $2 ]]
}

mode_of() {
    stat -c '%a' "$1"
}

finish() {
    printf '%d passed, %d failed\n' "$passed" "$failed"
    [[ $failed -eq 0 ]]
}

# A temporary folder removed on exit.
make_scratch() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-packaging.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
}
