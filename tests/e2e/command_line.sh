#!/usr/bin/env bash
# The program ignores its command line, the toolkit's options included, while the toolkit's
# environment variables keep working; where no display can be opened it says so in one line
# and ends with status 1.
#
#   command_line.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or openbox).
set -uo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools Xvfb openbox xdotool
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export XDG_CONFIG_HOME=$work HOME=$work

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program for at most 3 s with ENV... and ARGS; STATUS and SAID hold the outcome.
run() {
    env "$@" >/dev/null 2>"$work/said"
    STATUS=$?
    SAID=$(<"$work/said")
}
expect_no_display() {
    local which=$1
    [[ $STATUS == 1 ]] || fail "status $STATUS where no display could be opened ($which)"
    [[ "$SAID" == *": no display could be opened ($which)" && "$SAID" != *$'\n'* ]] ||
        fail "said '$SAID', expected one line naming $which"
}

# -platform would pick a platform that needs no display: ignored, so still none.
run -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 3 "$program" -platform offscreen
expect_no_display "DISPLAY is not set"
run -u QT_QPA_PLATFORM DISPLAY=:65000 timeout 3 "$program"
expect_no_display 'DISPLAY=":65000"'
run QT_QPA_PLATFORM=offscreen timeout 3 "$program"
[[ $STATUS == 124 ]] || fail "status $STATUS with QT_QPA_PLATFORM=offscreen, expected it running"

# A window title given on the command line does not take.
titles() {
    env -u QT_QPA_PLATFORM "$program" -qwindowtitle Hello -reverse -style windows &
    local pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" --name . getwindowname >"$work/titles"
    kill "$pid"
    wait "$pid" 2>/dev/null
}
with_virtual_display titles
[[ "$(<"$work/titles")" == LW-DODOZU-ZIDADA ]] || fail "window titled '$(<"$work/titles")'"

((failures == 0)) || exit 1
echo "PASS: the command line is ignored; no display is said in one line"
