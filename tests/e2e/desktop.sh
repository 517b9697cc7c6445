#!/usr/bin/env bash
# The program's windows under one X11 window manager: each opens with its outer frame at its
# stored place and keeps that place exactly when it is not moved; a move survives the close and
# the next start; the client area is the design's whatever frame the window manager draws, so
# every control lies whole inside it; Always On Top puts the main window above another
# program's window and leaves the keyboard with that program.
#
#   desktop.sh PROGRAM WINDOW_MANAGER     (openbox, kwin_x11, mutter, xfwm4)
#
# Prints what it measured, one line per check. Exit status: 0 passed, 1 failed, 77 skipped.
set -uo pipefail

if (($# != 2)) || [[ ! -x "$1" ]]; then
    echo "usage: $0 PROGRAM WINDOW_MANAGER" >&2
    exit 1
fi
program=$(realpath "$1")
wm=$2
name=$(basename "$program")
name=${name%.*}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools Xvfb "$wm" wmctrl xdpyinfo xauth xdotool xprop xwininfo wish xev
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=lib-windows-on-screen.sh
source "$here/lib-windows-on-screen.sh"
# shellcheck source-path=SCRIPTDIR source=lib-frames.sh
source "$here/lib-frames.sh"
# shellcheck source-path=SCRIPTDIR source=lib-always-on-top.sh
source "$here/lib-always-on-top.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-e2e-desktop.XXXXXX")
trap 'rm -rf "$work"' EXIT
ini=$work/config/LW_VIZ.ini
mkdir -p "$work/config" "$work/run" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

failures=0
fail() {
    echo "FAIL: $wm: $*" >&2
    failures=$((failures + 1))
}

main_title=LW-DODOZU-ZIDADA
about_title="LW-DODOZU-ZIDADA - ABOUT"
# The design's client areas at 96 dpi: the default outer sizes less the design's frame.
main_client="286 130"
about_client="377 301"

stored() {
    sed -n "s/^$1=//p" "$ini"
}

program_pid=''
start_program() {
    (
        cd "$work/run" &&
            exec env -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
                XDG_RUNTIME_DIR="$work/runtime" \
                timeout 60 "$program"
    ) >>"$work/program.out" 2>&1 &
    program_pid=$!
    wait_for 100 window_titled "$main_title" || fail "the program did not show"
    # The window manager frames the window and the program settles it.
    sleep 0.7
}

close_program() {
    local status=0
    wmctrl -c "$main_title"
    wait "$program_pid" || status=$?
    [[ "$status" == 0 ]] || fail "the program ended with status $status"
}

# Checks TITLE's outer corner against the pixel (X, Y), within 1 px, and its client size.
check_window() {
    local title=$1 x=$2 y=$3 client=$4 what=$5 id corner size
    id=$(window_titled "$title")
    if [[ -z "$id" ]]; then
        fail "$what: no window"
        return
    fi
    read -r -a corner < <(frame_corner "$id")
    read -r _ _ cw ch < <(client_rect "$id")
    size="$cw $ch"
    echo "$wm: $what: frame at ${corner[0]},${corner[1]} (stored $x,$y)," \
        "client ${size/ /x}, frame $(frame_extents "$id")"
    within "${corner[0]}" "$x" 1 && within "${corner[1]}" "$y" 1 ||
        fail "$what: frame at ${corner[0]},${corner[1]}, stored $x,$y"
    [[ "$size" == "$client" ]] || fail "$what: client area ${size/ /x}, design ${client/ /x}"
}

# The places each top-level frame of a shown window took, as a watcher of the root window saw
# them ("ID X,Y" a line, each place once; the window manager's 1x1 start left out): a window
# that opened where it belongs has one.
frame_places() {
    awk '/^MapNotify/ { map = 1; next }
         /^ConfigureNotify/ { configure = 1; next }
         map { if (match($0, /window 0x[0-9a-f]+/)) mapped[substr($0, RSTART + 7, RLENGTH - 7)] = 1; map = 0 }
         configure {
             if (match($0, /window 0x[0-9a-f]+, \(-?[0-9]+,-?[0-9]+\), width [0-9]+, height [0-9]+/)) {
                 split(substr($0, RSTART + 7, RLENGTH - 7), part, ", ")
                 if (part[3] != "width 1" || part[4] != "height 1") place[part[1] " " part[2]] = 1
             }
             configure = 0
         }
         END { for (p in place) { split(p, id, " "); if (id[1] in mapped) print p } }' "$1" | sort
}

# The About button's centre: (2040 + 735 / 2, 1320 + 495 / 2) twips, 15 to the pixel.
open_about() {
    xdotool mousemove --window "$(window_titled "$main_title")" 160 104 click 1
    wait_for 30 window_titled "$about_title" || fail "no About window"
    sleep 0.5
}

close_about() {
    # A real key, to the window with the focus, as a user presses it.
    xdotool key Escape
    wait_for 30 no_window_titled "$about_title" || fail "Escape left the About window open"
}

placement() {
    printf '[%s]\nMAIN_Left=3000\nMAIN_Top=2000\nABOUT_Left=9000\nABOUT_Top=6000\n' "$name" >"$ini"
    xev -root -event substructure >"$work/root-events" 2>&1 &
    local watcher=$!
    sleep 0.3
    start_program
    check_window "$main_title" 200 133 "$main_client" "main window"
    kill "$watcher"
    wait "$watcher" 2>/dev/null
    # Asked of the window manager ahead, the frame is known before the window is shown: it
    # opens in its place, with no move once it is framed.
    local places
    places=$(frame_places "$work/root-events")
    echo "$wm: the main window's frame took: ${places//$'\n'/; }"
    [[ $(wc -l <<<"$places") == 1 ]] || fail "the main window moved after it was shown: $places"
    local opening
    for opening in 1 2 3; do
        open_about
        check_window "$about_title" 600 400 "$about_client" "About window, opening $opening"
        close_about
    done
    [[ "$(stored ABOUT_Left) $(stored ABOUT_Top)" == "9000 6000" ]] ||
        fail "About window not moved, stored $(stored ABOUT_Left),$(stored ABOUT_Top)"
    close_program
    [[ "$(stored MAIN_Left) $(stored MAIN_Top)" == "3000 2000" ]] ||
        fail "main window not moved, stored $(stored MAIN_Left),$(stored MAIN_Top)"
    [[ "$(stored MAIN_Left) $(stored MAIN_Top)" != "3000 2000" ]] ||
        echo "$wm: the unmoved main window kept 3000,2000 exactly"

    # A round trip: each window moved, closed, and opened again where it was left.
    start_program
    local main about main_at about_at
    main=$(window_titled "$main_title")
    xdotool windowmove "$main" 333 222
    sleep 0.5
    read -r -a main_at < <(frame_corner "$main")
    open_about
    about=$(window_titled "$about_title")
    xdotool windowmove "$about" 444 300
    sleep 0.5
    read -r -a about_at < <(frame_corner "$about")
    close_about
    close_program
    echo "$wm: moved to ${main_at[0]},${main_at[1]} and ${about_at[0]},${about_at[1]};" \
        "stored $(stored MAIN_Left),$(stored MAIN_Top) and $(stored ABOUT_Left),$(stored ABOUT_Top)"
    start_program
    check_window "$main_title" "${main_at[0]}" "${main_at[1]}" "$main_client" "main window, reopened"
    open_about
    check_window "$about_title" "${about_at[0]}" "${about_at[1]}" "$about_client" \
        "About window, reopened"
    close_about
    close_program
}

run_case() {
    placement
    always_on_top_case "$work" "$program" ticked || failures=$((failures + 1))
    if [[ -s "$work/program.out" ]]; then
        echo "--- $wm: program output ---"
        cat "$work/program.out"
    fi
    return "$((failures > 0))"
}

if ! VIRTUAL_DISPLAY_WM=$wm with_virtual_display run_case; then
    echo "FAIL: $wm: see above" >&2
    exit 1
fi
echo "PASS: $wm"
