#!/usr/bin/env bash
# The unattended run of the real program: with Auto Start and Auto Close ticked by an earlier
# run, the program opens in a virtual X display, writes one log entry into its working folder
# and closes itself with status 0 about 21 seconds after it started, saving its settings.
#
#   unattended_cycle.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or openbox).
set -uo pipefail

if (($# != 1)) || [[ ! -x "$1" ]]; then
    echo "usage: $0 PROGRAM (the built program, executable)" >&2
    exit 1
fi
program=$(realpath "$1")
name=$(basename "$program")
name=${name%.*}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools Xvfb openbox wmctrl xdpyinfo xauth xdotool
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-unattended.sh
source "$here/../../scripts/lib-unattended.sh"
# shellcheck source-path=SCRIPTDIR source=lib-log-entry.sh
source "$here/lib-log-entry.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
ini=$work/config/LW_VIZ.ini
log=$work/run/$name.LOG

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Sizes beyond every screen count as absent: the window opens at its default size, and the
# program never asks for a window buffer of that size.
printf 'MAIN_Width=3e10\nMAIN_Height=3e10\n' >"$work/settings"
window_size() {
    xdotool search --sync --onlyvisible --name '^LW-DODOZU-ZIDADA$' getwindowgeometry \
        >"$work/geometry"
}

if ! COMPUTERNAME=E2E-PC LC_ALL=C.UTF-8 unattended_run "$program" "$work" window_size; then
    echo "FAIL: the virtual display could not be started" >&2
    exit 1
fi
status=$(<"$work/status")
elapsed_ms=$(<"$work/elapsed_ms")
echo "program ended with status $status after $elapsed_ms ms"
if [[ -s "$work/program.out" ]]; then
    echo "--- program output ---"
    cat "$work/program.out"
    echo "----------------------"
fi

# The default size, less the window manager's frame; the memory of a window that size.
geometry=$(sed -n 's/.*Geometry: //p' "$work/geometry" 2>/dev/null)
[[ "$geometry" == 286x130 ]] ||
    fail "the window is '$geometry', expected the default outer size less the design frame, 286x130"
peak_kb=$(cat "$work/peak_kb" 2>/dev/null)
echo "window $geometry, peak memory $peak_kb KiB"
if [[ ! "$peak_kb" =~ ^[0-9]+$ ]] || ((peak_kb >= 60 * 1024)); then
    fail "peak memory '$peak_kb' KiB, expected under 60 MiB"
fi

# Ends by itself, successfully, after warm-up (10 s), entry (1 s) and hold (10 s).
[[ "$status" == 0 ]] || fail "exit status $status (124: still running after 60 s)"
if ((elapsed_ms < 19000 || elapsed_ms > 26000)); then
    fail "ran $elapsed_ms ms, expected 19000 to 26000"
fi

# The log file: exactly one entry of nine lines, each ending in CR LF.
if [[ ! -f "$log" ]]; then
    fail "no log file $log"
else
    # When it was written, on the wall clock and as uptime.
    written=$(stat -c %.9Y "$log")
    uptime_at_write=$(uptime_when_written "$log")

    bytes=$(wc -c <"$log")
    crs=$(tr -cd '\r' <"$log" | wc -c)
    lfs=$(tr -cd '\n' <"$log" | wc -c)
    last=$(tail -c 2 "$log" | od -An -tx1 | tr -d ' \n')
    [[ "$crs" == 9 && "$lfs" == 9 ]] || fail "expected 9 CR and 9 LF, found $crs and $lfs"
    [[ "$last" == 0d0a ]] || fail "the last line does not end in CR LF (ends in $last)"
    ended_in_crlf=$(grep -c $'\r$' "$log")
    [[ "$ended_in_crlf" == 9 ]] || fail "$ended_in_crlf lines end in CR LF, expected all 9"

    mapfile -t lines < <(tr -d '\r' <"$log")
    separator=$(printf '=%.0s' {1..56})
    expect_line() {
        [[ "${lines[$1 - 1]-}" == "$2" ]] || fail "line $1 is '${lines[$1 - 1]-}', expected '$2'"
    }
    [[ ${#lines[@]} == 9 ]] || fail "${#lines[@]} lines, expected 9"
    expect_line 1 "$separator"
    expect_line 2 "- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -"
    expect_line 3 "$separator"
    expect_line 5 "PC Name = E2E-PC"
    expect_line 7 "$separator"
    expect_line 8 ""
    expect_line 9 "$separator"

    # Date and time of the entry under the program's locale, the second it was written or the
    # one before.
    whole=${written%.*}
    date_time_ok=0
    for second in "$whole" "$((whole - 1))"; do
        stamp="- $(LC_ALL=C.UTF-8 date -d "@$second" +%x) - $(LC_ALL=C.UTF-8 date -d "@$second" +%X) -"
        [[ "${lines[3]-}" == "$stamp" ]] && date_time_ok=1
    done
    ((date_time_ok)) || fail "line 4 is '${lines[3]-}', expected the date and time of $written"

    # The uptime agrees with the system's at the moment of writing.
    check_logged_uptime "${lines[5]-}" "$uptime_at_write"
    echo "log file: $bytes bytes"
fi

# The settings: the program's section holds the five keys the close saves, and the sizes it
# never writes.
if [[ ! -f "$ini" ]]; then
    fail "no settings file $ini"
else
    section_keys=$(awk -v s="[$name]" '
        /^\[/ { inside = ($0 == s); next }
        inside && /=/ { print }' "$ini" | sort)
    keys=$(cut -d= -f1 <<<"$section_keys" | tr '\n' ' ')
    [[ "$keys" == "AUTOCLOSE_TICKBOX AUTOSTART_TICKBOX AlwaysOnTop_TICKBOX MAIN_Height MAIN_Left MAIN_Top MAIN_Width " ]] ||
        fail "keys of [$name] are '$keys'"
    grep -qx 'AUTOSTART_TICKBOX=1' <<<"$section_keys" || fail "AUTOSTART_TICKBOX not saved as 1"
    grep -qx 'AUTOCLOSE_TICKBOX=1' <<<"$section_keys" || fail "AUTOCLOSE_TICKBOX not saved as 1"
    grep -qx 'AlwaysOnTop_TICKBOX=1' <<<"$section_keys" ||
        fail "AlwaysOnTop_TICKBOX not saved as its default 1"
    grep -qE '^MAIN_Left=-?[0-9.]+$' <<<"$section_keys" || fail "MAIN_Left not a number"
    grep -qE '^MAIN_Top=-?[0-9.]+$' <<<"$section_keys" || fail "MAIN_Top not a number"
fi

if ((failures)); then
    echo "--- log file ---" >&2
    [[ -f "$log" ]] && od -c "$log" >&2
    echo "--- settings ---" >&2
    [[ -f "$ini" ]] && cat "$ini" >&2
    exit 1
fi
echo "PASS: unattended cycle"
