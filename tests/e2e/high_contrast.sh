#!/usr/bin/env bash
# The program follows the desktop's contrast setting: with a settings portal that asks for high
# contrast, the uptime display shows the desktop's colours, not the design's red at rest; when
# the portal takes it back, the red returns while the program runs.
#
#   high_contrast.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, openbox, D-Bus or python3-gi).
set -uo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools Xvfb openbox dbus-run-session xdotool import convert
if ! /usr/bin/python3 -c 'from gi.repository import Gio' 2>/dev/null; then
    echo "SKIP: the system Python's GObject bindings (python3-gi) are not installed" >&2
    exit 77
fi
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-contrast.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export XDG_CONFIG_HOME=$work HOME=$work

# Waits up to 5 s for the display's inside (client pixel 124,66) to be red (`red`) or not
# (`other`); the window is drawn again a moment after the setting changes.
await_display() {
    local colour
    for _ in $(seq 20); do
        colour=$(import -window "$1" png:- 2>/dev/null | convert - -format '%[pixel:p{124,66}]' info:)
        local is=other
        [[ $colour == 'srgb(255,0,0)' || $colour == red ]] && is=red
        if [[ -n $colour && $is == "$2" ]]; then
            echo "$colour"
            return 0
        fi
        sleep 0.25
    done
    echo "FAIL: the display stays $colour where $2 is due" >&2
    return 1
}

session() {
    local portal status=0 window
    /usr/bin/python3 "$here/fake_settings_portal.py" >"$work/portal.out" &
    portal=$!
    for _ in $(seq 50); do grep -q ready "$work/portal.out" && break; sleep 0.1; done
    "$program" >"$work/program.log" 2>&1 &
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name '^LW-DODOZU-ZIDADA$' | head -n 1)
        [[ -n $window ]] && break
        sleep 0.1
    done
    local shown
    shown=$(await_display "$window" other) || status=1
    echo "high contrast asked: the display shows $shown"
    kill -USR1 "$portal"
    shown=$(await_display "$window" red) || status=1
    echo "taken back: the display shows $shown"
    kill %2 "$portal" 2>/dev/null
    wait 2>/dev/null
    return "$status"
}

export -f session await_display
export program here work
with_virtual_display dbus-run-session -- bash -c session
