# shellcheck shell=bash
# A private virtual X display (Xvfb) with a window manager (openbox), for running the program
# and the end-to-end tests without a screen. Source this file, then:
#
#   with_virtual_display COMMAND [ARG...]
#
# starts Xvfb on a free display number and a window manager on it, runs COMMAND (a program or a shell
# function) with DISPLAY and XAUTHORITY pointing at that display, stops both servers again
# however COMMAND ends, and returns COMMAND's exit status.
#
# Settings (environment):
#   VIRTUAL_DISPLAY_SCREEN  screen geometry and depth, default 1280x800x24
#   VIRTUAL_DISPLAY_WM      the window manager: openbox (default), kwin_x11, mutter, xfwm4

# Prints a message on stderr.
_vd_say() {
    echo "with_virtual_display: $*" >&2
}

# Polls COMMAND every 0.1 s until it succeeds or TENTHS tenths of a second have passed.
_vd_wait_for() {
    local tenths=$1
    shift
    while ((tenths-- > 0)); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# True while the process PID is running (and not a zombie).
_vd_alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ -n "$state" && "$state" != Z* ]]
}

_vd_gone() {
    ! _vd_alive "$1"
}

# True once the X server PID answers on DISPLAY with the cookie in AUTHORITY, or once it has
# exited (the caller then checks which).
_vd_server_settled() {
    local pid=$1 display=$2 authority=$3
    _vd_gone "$pid" || XAUTHORITY=$authority xdpyinfo -display "$display"
}

# Sends SIGTERM to PID, a child of this shell, waits up to 5 s for it to go, then sends
# SIGKILL.
_vd_stop() {
    local pid=$1
    [[ -n "$pid" ]] || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    if ! _vd_wait_for 50 _vd_gone "$pid"; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

# The command line that runs window manager WM on the display, in the foreground. KDE's and
# GNOME's want a session bus of their own, and no compositing (Xvfb has no GL).
_vd_wm_command() {
    case "$1" in
        openbox) echo openbox --sm-disable ;;
        kwin_x11) echo dbus-run-session -- env KWIN_COMPOSE=N kwin_x11 ;;
        mutter) echo dbus-run-session -- mutter --x11 --sm-disable ;;
        xfwm4) echo dbus-run-session -- xfwm4 --compositor=off --sm-client-disable ;;
        *) return 1 ;;
    esac
}

# Stops the window manager (its whole process group: a session bus may run beside it).
_vd_stop_wm() {
    local pid=$1
    [[ -n "$pid" ]] || return 0
    kill -TERM -- "-$pid" 2>/dev/null || return 0
    if ! _vd_wait_for 50 _vd_gone "$pid"; then
        kill -KILL -- "-$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

# Stops the window manager and Xvfb and removes their folder; the EXIT trap of with_virtual_display.
# Keeps the exit status of whatever ran before it.
_vd_cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    _vd_stop_wm "$_vd_wm_pid"
    _vd_stop "$_vd_xvfb_pid"
    rm -rf "$_vd_dir"
    exit "$status"
}

# The function body is a subshell, so its traps, variables and exported DISPLAY do not leak
# into the caller. Its variables carry a _vd_ prefix because COMMAND, when it is a shell
# function, sees them.
with_virtual_display() (
    if (($# == 0)); then
        _vd_say "usage: with_virtual_display COMMAND [ARG...]"
        exit 2
    fi
    _vd_screen=${VIRTUAL_DISPLAY_SCREEN:-1280x800x24}
    _vd_first=99  # only names the server's own cookie entry
    _vd_xvfb_pid=''
    _vd_wm_pid=''
    _vd_number=''

    _vd_dir=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-xvfb.XXXXXX")
    trap _vd_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP

    # Xvfb picks a free display number itself (-displayfd), so servers started at the same
    # time by parallel tests never race for one. The server accepts every cookie of its
    # authority file whatever display the entry names; the client's entry follows once the
    # number is known.
    _vd_cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    : >"$_vd_dir/server-auth"
    xauth -q -f "$_vd_dir/server-auth" add ":$_vd_first" . "$_vd_cookie" || exit 1
    # -noreset: without it the server resets when its last client leaves, and a client that
    # connects during the reset (openbox, right after the readiness probe) is refused.
    Xvfb -displayfd 3 -screen 0 "$_vd_screen" -nolisten tcp -noreset \
        -auth "$_vd_dir/server-auth" \
        3>"$_vd_dir/display" >"$_vd_dir/xvfb.log" 2>&1 </dev/null &
    _vd_xvfb_pid=$!
    if _vd_wait_for 100 grep -q '^[0-9]' "$_vd_dir/display"; then
        _vd_number=$(head -n 1 "$_vd_dir/display")
        : >"$_vd_dir/Xauthority"
        xauth -q -f "$_vd_dir/Xauthority" add ":$_vd_number" . "$_vd_cookie" || exit 1
        if ! _vd_wait_for 100 _vd_server_settled "$_vd_xvfb_pid" ":$_vd_number" \
            "$_vd_dir/Xauthority" || _vd_gone "$_vd_xvfb_pid"; then
            _vd_number=''
        fi
    fi
    if [[ -z "$_vd_number" ]]; then
        _vd_say "could not start Xvfb"
        if [[ -s "$_vd_dir/xvfb.log" ]]; then
            cat "$_vd_dir/xvfb.log" >&2
        fi
        exit 1
    fi

    # shellcheck disable=SC2031  # Exported on purpose for COMMAND, inside this subshell only.
    export DISPLAY=":$_vd_number" XAUTHORITY="$_vd_dir/Xauthority"

    _vd_wm=${VIRTUAL_DISPLAY_WM:-openbox}
    if ! read -r -a _vd_wm_line < <(_vd_wm_command "$_vd_wm"); then
        _vd_say "unknown window manager: $_vd_wm"
        exit 2
    fi
    # The window manager reads its configuration from a private folder, not the user's, and
    # runs in a process group of its own.
    mkdir -p "$_vd_dir/config" "$_vd_dir/home" "$_vd_dir/runtime"
    chmod 700 "$_vd_dir/runtime"
    HOME="$_vd_dir/home" XDG_CONFIG_HOME="$_vd_dir/config" XDG_RUNTIME_DIR="$_vd_dir/runtime" \
        setsid "${_vd_wm_line[@]}" >"$_vd_dir/wm.log" 2>&1 </dev/null &
    _vd_wm_pid=$!
    if ! _vd_wait_for 150 wmctrl -m; then
        _vd_say "$_vd_wm did not start on $DISPLAY"
        cat "$_vd_dir/wm.log" >&2
        exit 1
    fi

    "$@"
)
