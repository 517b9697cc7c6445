#!/usr/bin/env bash
# The unattended run of the Windows program under Wine, in a fresh Wine prefix and a virtual X
# display: with Auto Start and Auto Close ticked in the registry (and a broken MAIN_Left
# beside them, which must not stop the start), the program writes its log entry in the ANSI
# code page with CR LF line ends, closes itself with status 0 about 21 seconds after it
# started, and leaves the five keys its close saves in the registry.
#
#   windows_unattended.sh PROGRAM.exe
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Wine, Xvfb or openbox).
set -uo pipefail

if (($# != 1)) || [[ ! -f "$1" ]]; then
    echo "usage: $0 PROGRAM.exe" >&2
    exit 1
fi
program=$(realpath "$1")
name=$(basename "$program")
name=${name%.*}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools wine wineserver Xvfb openbox wmctrl xdpyinfo xauth
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=lib-log-entry.sh
source "$here/lib-log-entry.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-wine-e2e.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the user's regional settings from the locale variables: a known one (en-US: ANSI
# code page 1252, M/d/yyyy, h:mm:ss AM) for the prefix and the program.
wine_locale=en_US.UTF-8
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/run"
log=$work/run/$name.LOG
key="HKCU\\Software\\LW_VIZ\\$name"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program from the working folder in its own display; records status and run time.
run_program() {
    local started ended
    started=$(date +%s%N)
    (cd "$work/run" && LC_ALL=$wine_locale exec timeout 90 wine "$program") \
        >"$work/program.out" 2>&1
    echo $? >"$work/status"
    ended=$(date +%s%N)
    echo $(((ended - started) / 1000000)) >"$work/elapsed_ms"
    wineserver -w
}

echo "making a fresh Wine prefix"
LC_ALL=$wine_locale wine wineboot -i >/dev/null 2>&1 </dev/null
for setting in AUTOSTART_TICKBOX=1 AUTOCLOSE_TICKBOX=1 MAIN_Left=abc; do
    wine reg add "$key" /v "${setting%%=*}" /t REG_SZ /d "${setting#*=}" /f >/dev/null 2>&1 ||
        fail "could not store $setting"
done
computer_name=$(wine cmd /c 'echo %COMPUTERNAME%' 2>/dev/null | tr -d '\r\n')
wineserver -w

with_virtual_display run_program || true
if [[ ! -s "$work/status" ]]; then
    echo "FAIL: the virtual display could not be started" >&2
    exit 1
fi
status=$(<"$work/status")
elapsed_ms=$(<"$work/elapsed_ms")
echo "program ended with status $status after $elapsed_ms ms"

# Ends by itself after warm-up (10 s), entry (1 s) and hold (10 s); Wine adds its start-up.
[[ "$status" == 0 ]] || fail "exit status $status (124: still running after 90 s)"
if ((elapsed_ms < 20000 || elapsed_ms > 30000)); then
    fail "ran $elapsed_ms ms, expected 20000 to 30000"
fi

if [[ ! -f "$log" ]]; then
    fail "no log file $log"
else
    written=$(stat -c %.9Y "$log")
    uptime_at_write=$(uptime_when_written "$log")

    mapfile -t lines < <(tr -d '\r' <"$log")
    date_time=${lines[3]-}
    uptime_line=${lines[5]-}

    # Date and time under the user's locale, the second it was written or the one before.
    whole=${written%.*}
    date_time_ok=0
    for second in "$whole" "$((whole - 1))"; do
        stamp="- $(LC_ALL=C date -d "@$second" '+%-m/%-d/%Y') -"
        stamp+=" $(LC_ALL=C date -d "@$second" '+%-I:%M:%S %p') -"
        [[ "$date_time" == "$stamp" ]] && date_time_ok=1
    done
    ((date_time_ok)) || fail "line 4 is '$date_time', expected the date and time of $written"

    # The uptime is the host's (Wine's tick count is the system's) at the moment of writing.
    check_logged_uptime "$uptime_line" "$uptime_at_write"

    # Byte for byte: nine lines, the eighth empty, each ending in CR LF.
    separator=$(printf '=%.0s' {1..56})
    printf '%s\r\n' "$separator" "- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -" "$separator" \
        "$date_time" "PC Name = $computer_name" "$uptime_line" "$separator" "" "$separator" \
        >"$work/expected.LOG"
    if ! cmp -s "$log" "$work/expected.LOG"; then
        fail "the log file differs from the expected bytes"
        echo "--- log file ---" >&2
        od -c "$log" >&2
        echo "--- expected ---" >&2
        od -c "$work/expected.LOG" >&2
    fi
fi

# The registry holds the five keys the close saves; the broken MAIN_Left became a position.
wine reg query "$key" 2>/dev/null | tr -d '\r' >"$work/registry.txt"
wineserver -w
values=$(awk '$2 == "REG_SZ" { print $1 "=" $3 }' "$work/registry.txt" | sort)
names=$(cut -d= -f1 <<<"$values" | tr '\n' ' ')
[[ "$names" == "AUTOCLOSE_TICKBOX AUTOSTART_TICKBOX AlwaysOnTop_TICKBOX MAIN_Left MAIN_Top " ]] ||
    fail "values under $key are '$names'"
for expected in AUTOSTART_TICKBOX=1 AUTOCLOSE_TICKBOX=1 AlwaysOnTop_TICKBOX=1 MAIN_Left=1000 \
    MAIN_Top=1000; do
    grep -qx "$expected" <<<"$values" || fail "expected $expected in the registry"
done

if ((failures)); then
    echo "--- registry ---" >&2
    cat "$work/registry.txt" >&2
    echo "--- program output ---" >&2
    cat "$work/program.out" >&2
    exit 1
fi
echo "PASS: unattended run under Wine"
