# shellcheck shell=bash
# Where a window lies on an X display, as the user sees it: its client area and the frame the
# window manager draws around it. Needs xwininfo and xprop.

# "LEFT TOP WIDTH HEIGHT" of window ID's client area, in root coordinates.
client_rect() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {if (w != "") print x, y, w, h}'
}

# "LEFT RIGHT TOP BOTTOM" of the frame around window ID (_NET_FRAME_EXTENTS); "0 0 0 0" where
# the window manager draws none or does not say.
frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,)
    echo "${extents:-0 0 0 0}"
}

# "LEFT TOP" of window ID's outer frame.
frame_corner() {
    local x y w h left right top bottom
    read -r x y w h < <(client_rect "$1")
    read -r left right top bottom < <(frame_extents "$1")
    [[ -n "$x" ]] && echo "$((x - left)) $((y - top))"
}

# True when two numbers differ by at most the third.
within() {
    local difference=$(($1 - $2))
    ((difference < 0)) && difference=$((-difference))
    ((difference <= $3))
}
