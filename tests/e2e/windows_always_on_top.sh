#!/usr/bin/env bash
# Always On Top under Wine leaves the keyboard alone: with the box ticked (the default), the
# About window still closes with Escape after the timer has ticked for 3 s, and a sentence typed
# into Notepad for 3 s while the program restacks itself arrives whole.
#
#   windows_always_on_top.sh PROGRAM.exe
#
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing).
set -uo pipefail

if (($# != 1)) || [[ ! -f "$1" ]]; then
    echo "usage: $0 PROGRAM.exe" >&2
    exit 1
fi
program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run=$here/../../scripts/wine-run

# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools wine wineserver Xvfb openbox wmctrl xdpyinfo xauth xdotool
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=lib-windows-on-screen.sh
source "$here/lib-windows-on-screen.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-wine-top.XXXXXX")
export WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/run"
: >"$work/run/typed.txt"
sentence="the quick brown fox jumps over the lazy dog"

typed_whole() {
    [[ "$(<"$work/run/typed.txt")" == "$sentence" ]]
}

checks() {
    local main failures=0
    cd "$work/run" || return 1
    # The first run makes the fresh prefix, which takes a while.
    "$wine_run" "$program" >"$work/program.out" 2>&1 &
    wait_for 600 window_titled LW-DODOZU-ZIDADA || {
        echo "FAIL: the program did not show" >&2
        cat "$work/program.out" >&2
        return 1
    }
    main=$(window_titled LW-DODOZU-ZIDADA)

    # The About button's centre: (2040 + 735 / 2, 1320 + 495 / 2) twips, 15 to the pixel.
    xdotool mousemove --window "$main" 160 104 click 1
    wait_for 50 window_titled "LW-DODOZU-ZIDADA - ABOUT" || echo "FAIL: no About window" >&2
    sleep 3
    xdotool key Escape
    if wait_for 20 no_window_titled "LW-DODOZU-ZIDADA - ABOUT"; then
        echo "Escape closed the About window after 3 s"
    else
        echo "FAIL: the About window is still open after Escape" >&2
        failures=1
    fi

    "$wine_run" notepad typed.txt >/dev/null 2>&1 &
    wait_for 100 window_titled "typed.txt - Notepad" || echo "FAIL: no Notepad" >&2
    xdotool windowactivate --sync "$(window_titled "typed.txt - Notepad")"
    # xdotool waits half the delay after each press and each release: about 3.5 s in all.
    xdotool type --delay 160 "$sentence"
    xdotool key ctrl+s
    if wait_for 30 typed_whole; then
        echo "the sentence typed into Notepad arrived whole"
    else
        echo "FAIL: typed '$sentence', Notepad saved '$(<typed.txt)'" >&2
        failures=1
    fi
    wineserver -k
    return "$failures"
}

if ! with_virtual_display checks; then
    echo "FAIL: see above" >&2
    exit 1
fi
echo "PASS: always on top leaves the keyboard alone under Wine"
