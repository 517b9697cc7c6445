# shellcheck shell=bash
# Checks shared by the end-to-end runs on Linux and under Wine. The sourcing script defines
# fail MESSAGE, which records a failure and goes on.

# Prints the system's uptime, in seconds, at the moment FILE was last written.
uptime_when_written() {
    local file=$1 uptime_now now written
    read -r uptime_now _ </proc/uptime
    now=$(date +%s.%N)
    written=$(stat -c %.9Y "$file")
    awk -v u="$uptime_now" -v n="$now" -v w="$written" 'BEGIN { printf "%.3f", u - (n - w) }'
}

# Checks LINE ("Current UpTime = Dd, Hh, Mm, Ss") against the system's uptime at the moment of
# writing, SECONDS: an exact breakdown within 2 s of it.
check_logged_uptime() {
    local line=$1 seconds=$2 d h m s logged
    if [[ ! "$line" =~ ^Current\ UpTime\ =\ ([0-9]+)d,\ ([0-9]+)h,\ ([0-9]+)m,\ ([0-9]+)s$ ]]; then
        fail "line 6 is '$line', expected 'Current UpTime = Dd, Hh, Mm, Ss'"
        return
    fi
    d=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} m=${BASH_REMATCH[3]} s=${BASH_REMATCH[4]}
    ((h < 24 && m < 60 && s < 60)) || fail "uptime line '$line' is not a breakdown"
    logged=$((((d * 24 + h) * 60 + m) * 60 + s))
    if ! awk -v l="$logged" -v u="$seconds" 'BEGIN { d = u - l; if (d < 0) d = -d; exit !(d <= 2) }'; then
        fail "logged uptime $logged s, system uptime at writing $seconds s"
    fi
    echo "logged uptime $logged s, system uptime at writing $seconds s"
}
