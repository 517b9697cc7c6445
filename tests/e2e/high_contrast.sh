#!/usr/bin/env bash
# The program follows the desktop's contrast setting: with a settings portal that asks for high
# contrast, the uptime display shows the desktop's colours instead of the design's red; when
# the portal takes it back, the design's colours return while the program runs.
#
#   high_contrast.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, openbox, D-Bus or the system Python's
# GObject bindings).
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

session() {
    local failures=0 portal program_pid window colour=none
    /usr/bin/python3 "$here/fake_settings_portal.py" >"$work/portal.out" &
    portal=$!
    for _ in $(seq 50); do
        grep -q ready "$work/portal.out" && break
        sleep 0.1
    done
    "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name '^LW-DODOZU-ZIDADA$' 2>/dev/null | head -n 1)
        [[ -n $window ]] && break
        sleep 0.1
    done
    # The uptime display's inside, at rest: red in the design. The window is drawn again a
    # moment after the setting changes, so it is looked at until it shows what is awaited.
    red() { [[ $colour == 'srgb(255,0,0)' || $colour == red ]]; }
    await_display() {
        for _ in $(seq 20); do
            if import -window "$window" "$work/shot.png" 2>/dev/null; then
                colour=$(convert "$work/shot.png" -format '%[pixel:p{124,66}]' info:)
            fi
            if [[ $1 == red ]]; then
                red && return 0
            elif [[ $colour != none ]] && ! red; then
                return 0
            fi
            sleep 0.25
        done
        return 1
    }
    await_display desktop
    echo "high contrast asked: the display shows $colour"
    red && {
        echo "FAIL: the display keeps the design's red under high contrast" >&2
        failures=$((failures + 1))
    }
    kill -USR1 "$portal"
    await_display red
    echo "high contrast taken back: the display shows $colour"
    red || {
        echo "FAIL: the design's red does not come back when the desktop takes high contrast back" >&2
        failures=$((failures + 1))
    }
    kill "$program_pid" "$portal" 2>/dev/null
    wait 2>/dev/null
    return $((failures > 0))
}

export -f session
export program here work
with_virtual_display dbus-run-session -- bash -c session
