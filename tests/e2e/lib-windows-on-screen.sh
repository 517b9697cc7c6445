# shellcheck shell=bash
# Waiting for windows on the virtual display, shared by the end-to-end runs.

# Polls COMMAND every 0.1 s until it succeeds or TENTHS tenths of a second have passed.
wait_for() {
    local tenths=$1
    shift
    while ((tenths-- > 0)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    "$@" >/dev/null 2>&1
}

# The one visible window whose title is exactly TITLE (decimal id), or nothing.
window_titled() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

no_window_titled() {
    [[ -z "$(window_titled "$1")" ]]
}
