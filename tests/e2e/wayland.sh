#!/usr/bin/env bash
# The unattended run in a Wayland session (weston's headless backend): with Xwayland beside it
# the program runs on X, where it can place its windows and keep them on top; without, it runs
# on Wayland itself. Either way it logs its nine-line entry, ends with status 0 and keeps the
# stored places unchanged.
#
#   wayland.sh PROGRAM xwayland|native
#
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing).
set -uo pipefail

if (($# != 2)) || [[ ! -x "$1" ]] || [[ "$2" != xwayland && "$2" != native ]]; then
    echo "usage: $0 PROGRAM xwayland|native" >&2
    exit 1
fi
program=$(realpath "$1")
session=$2
name=$(basename "$program")
name=${name%.*}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools weston xdotool
[[ "$session" == native ]] || require_tools Xwayland
# shellcheck source-path=SCRIPTDIR source=lib-windows-on-screen.sh
source "$here/lib-windows-on-screen.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-e2e-wayland.XXXXXX")
compositor=''
cleanup() {
    [[ -z "$compositor" ]] || kill "$compositor" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/runtime" "$work/config" "$work/run"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-lwviz
unset DISPLAY QT_QPA_PLATFORM

failures=0
fail() {
    echo "FAIL: $session: $*" >&2
    failures=$((failures + 1))
}

options=(--backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0)
[[ "$session" == native ]] || options+=(--xwayland)
weston "${options[@]}" >"$work/weston.log" 2>&1 </dev/null &
compositor=$!
wait_for 100 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
if [[ "$session" == xwayland ]]; then
    wait_for 100 grep -q 'xserver listening on display' "$work/weston.log" ||
        fail "weston started no Xwayland"
    export DISPLAY
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
fi

printf '[%s]\nAUTOSTART_TICKBOX=1\nAUTOCLOSE_TICKBOX=1\nMAIN_Left=3000\nMAIN_Top=2000\n' \
    "$name" >"$work/config/LW_VIZ.ini"
started=$(date +%s%N)
(cd "$work/run" && exec env XDG_CONFIG_HOME="$work/config" HOME="$work" timeout 60 "$program") \
    >"$work/program.out" 2>&1 &
pid=$!
if [[ "$session" == xwayland ]]; then
    # Xwayland starts with its first client; the window then shows on the X display.
    if wait_for 100 window_titled LW-DODOZU-ZIDADA; then
        echo "xwayland: the program runs on X (its window is on the X display $DISPLAY)"
    else
        fail "the program's window is not on the X display $DISPLAY"
    fi
fi
status=0
wait "$pid" || status=$?
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
echo "$session: status $status after $elapsed_ms ms"
[[ "$status" == 0 ]] || fail "the program ended with status $status"
if grep -q 'on the "wayland" platform' "$work/program.out"; then
    platform=wayland
else
    platform=xcb
fi
echo "$session: the program picked the $platform platform"
expected=$([[ "$session" == xwayland ]] && echo xcb || echo wayland)
[[ "$platform" == "$expected" ]] || fail "picked $platform, expected $expected"

log=$work/run/$name.LOG
lines=$(tr -d '\r' <"$log" 2>/dev/null | wc -l)
[[ "$lines" == 9 ]] || fail "the log has $lines lines, expected the nine of an entry"
grep -q '^Current UpTime = ' "$log" 2>/dev/null || fail "the log holds no uptime line"
place=$(sed -n 's/^MAIN_\(Left\|Top\)=//p' "$work/config/LW_VIZ.ini" | tr '\n' ' ')
[[ "$place" == "3000 2000 " ]] || fail "the stored place became $place"
echo "$session: nine-line entry written; stored place kept: $place"
if [[ -s "$work/program.out" ]]; then
    echo "--- $session: program output ---"
    cat "$work/program.out"
fi
((failures == 0)) || exit 1
echo "PASS: wayland $session"
