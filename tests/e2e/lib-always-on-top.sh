# shellcheck shell=bash
# Always On Top with a real window manager, one scenario: another program's window that is
# itself always on top and has the focus loses its topmost state within two seconds, the
# program's main window takes it and is stacked above it, and the keyboard stays where it was:
# a sentence typed into the other window meanwhile arrives whole, and Escape still closes the
# About window after 3 s. With the box stored clear, nothing is restacked. Needs
# lib-windows-on-screen.sh, xdotool, xprop, wmctrl and wish (tk).
#
#   always_on_top_case WORK PROGRAM SCENARIO    (SCENARIO: ticked or clear)
#
# Prints what it saw; returns 1 when a check failed.

sentence="the quick brown fox jumps over the lazy dog"
about="LW-DODOZU-ZIDADA - ABOUT"
typed_whole() {
    [[ "$(<"$1/typed.txt")" == "$sentence" ]]
}

has_above() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE
}

lacks_above() {
    ! has_above "$1"
}

active_is() {
    local active
    active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p')
    [[ -n "$active" ]] && (("$active" == $1))
}

# True when window UPPER comes after window LOWER in the bottom-to-top stacking list.
stacked_above() {
    local upper=$1 lower=$2 list position=0 id upper_at=-1 lower_at=-1
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    for id in $list; do
        ((id == upper)) && upper_at=$position
        ((id == lower)) && lower_at=$position
        position=$((position + 1))
    done
    ((upper_at > lower_at && lower_at >= 0))
}

main_on_top_of() {
    lacks_above "$2" && has_above "$1" && stacked_above "$1" "$2"
}

# One run: the other window first, then the program (which takes the focus), then the other
# window made topmost and activated. SCENARIO is "ticked" or "clear"; results go to stdout.
always_on_top_case() {
    local work=$1 program=$2 scenario=$3 dir=$1/$3 program_pid other_pid main other status=0
    local name failures=0
    name=$(basename "$program")
    name=${name%.*}
    _top_fail() {
        echo "FAIL: $*" >&2
        failures=$((failures + 1))
    }
    mkdir -p "$dir/config" "$dir/run" "$dir/home"
    if [[ "$scenario" == clear ]]; then
        printf '[%s]\nAlwaysOnTop_TICKBOX=0\n' "$name" >"$dir/config/LW_VIZ.ini"
    fi

    # Another program with a text field; Enter prints what arrived there.
    wish <<<'wm title . LWVIZ-OTHER; wm geometry . +40+40; entry .e -width 50; pack .e
        focus .e; bind .e <Return> {puts [.e get]; exit}' >"$dir/typed.txt" &
    other_pid=$!
    wait_for 50 window_titled LWVIZ-OTHER || _top_fail "$scenario: the other window did not show"
    other=$(window_titled LWVIZ-OTHER)

    (
        cd "$dir/run" &&
            exec env -u QT_QPA_PLATFORM HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
                timeout 60 "$program"
    ) >"$dir/program.out" 2>&1 &
    program_pid=$!
    wait_for 100 window_titled LW-DODOZU-ZIDADA || _top_fail "$scenario: the program did not show"
    main=$(window_titled LW-DODOZU-ZIDADA)
    if [[ -n "$main" && -n "$other" ]]; then
        wait_for 30 active_is "$main" || _top_fail "$scenario: the program did not get the focus"
        wmctrl -i -r "$other" -b add,above
        wait_for 20 has_above "$other" || _top_fail "$scenario: wmctrl did not make the other window topmost"
        has_above "$main" && _top_fail "$scenario: topmost already while it had the focus"
        xdotool windowactivate "$other"
        wait_for 20 active_is "$other" || _top_fail "$scenario: the other window did not get the focus"

        if [[ "$scenario" == ticked ]]; then
            if wait_for 20 main_on_top_of "$main" "$other"; then
                echo "$scenario: the program's window is topmost above the other one"
            else
                _top_fail "$scenario: after 2 s: other $(xprop -id "$other" _NET_WM_STATE)," \
                    "program $(xprop -id "$main" _NET_WM_STATE)," \
                    "$(xprop -root _NET_CLIENT_LIST_STACKING)"
            fi
            # About 3.5 s of typing (half the delay after each press and each release).
            xdotool type --delay 160 "$sentence"
            xdotool key Return
            if wait_for 20 typed_whole "$dir"; then
                echo "$scenario: the sentence typed into the other window arrived whole"
            else
                _top_fail "$scenario: typed '$sentence', the other window got '$(<"$dir/typed.txt")'"
            fi
            # The About button's centre: (2040 + 735 / 2, 1320 + 495 / 2) twips, 15 to the pixel.
            xdotool mousemove --window "$main" 160 104 click 1
            wait_for 30 window_titled "$about" || _top_fail "$scenario: no About window"
            sleep 3
            xdotool key Escape
            if wait_for 20 no_window_titled "$about"; then
                echo "$scenario: Escape closed the About window after 3 s"
            else
                _top_fail "$scenario: the About window is still open after Escape"
            fi
        else
            sleep 2.5
            has_above "$other" || _top_fail "$scenario: the other window lost its topmost state"
            lacks_above "$main" || _top_fail "$scenario: the program made itself topmost"
            echo "$scenario: nothing was restacked"
        fi
        wmctrl -i -c "$main"
    fi
    wait "$program_pid" || status=$?
    [[ "$status" == 0 ]] || _top_fail "$scenario: the program ended with status $status"
    kill "$other_pid" 2>/dev/null
    wait "$other_pid" 2>/dev/null
    if [[ -s "$dir/program.out" ]]; then
        echo "--- $scenario: program output ---"
        cat "$dir/program.out"
    fi
    return "$((failures > 0))"
}

