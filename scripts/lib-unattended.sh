# shellcheck shell=bash
# One unattended run of the Linux program, as at every log-in: Auto Start and Auto Close
# ticked by an earlier run, on a private virtual display, in a folder of its own. Source this
# file (it brings lib-xvfb.sh along), then:
#
#   unattended_run PROGRAM WORK [COMMAND...]
#
# WORK receives config/LW_VIZ.ini (the settings; lines in WORK/settings, if the caller wrote
# it, are added to the program's section), run/ (the working folder, where the log lands),
# home/ and runtime/; afterwards status (the program's exit status, 124 when it still ran after
# 60 s), elapsed_ms, peak_kb (its peak memory) and program.out (what it printed). COMMAND, a
# program or shell function, runs on the display 3 s into the run, during the warm-up. The
# caller's environment (COMPUTERNAME, LC_ALL, ...) reaches the program. Returns 1 when no
# virtual display could be started, else 0.

# shellcheck source=scripts/lib-xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib-xvfb.sh"

# On the virtual display: the run itself.
_ur_run() {
    local program=$1 work=$2 started pid status=0
    shift 2
    started=$(date +%s%N)
    (
        cd "$work/run" &&
            exec env -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
                XDG_RUNTIME_DIR="$work/runtime" timeout -k 5 60 \
                /usr/bin/time -q -f %M -o "$work/peak_kb" "$program"
    ) >"$work/program.out" 2>&1 &
    pid=$!
    if (($#)); then
        sleep 3
        "$@" || echo "$1 failed while the program ran" >&2
    fi
    wait "$pid" || status=$?
    echo "$status" >"$work/status"
    echo $((($(date +%s%N) - started) / 1000000)) >"$work/elapsed_ms"
}

unattended_run() {
    local program=$1 work=$2 name attempt
    shift 2
    name=$(basename "$program")
    name=${name%.*}
    mkdir -p "$work/config" "$work/run" "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    {
        printf '[%s]\nAUTOSTART_TICKBOX=1\nAUTOCLOSE_TICKBOX=1\n' "$name"
        [[ ! -f "$work/settings" ]] || cat "$work/settings"
    } >"$work/config/LW_VIZ.ini"
    rm -f "$work/status"
    # A display that another test grabs or stops while this one starts is tried once more;
    # the program itself runs at most once.
    for attempt in 1 2; do
        with_virtual_display _ur_run "$program" "$work" "$@" || true
        [[ -s "$work/status" ]] && return 0
        echo "the virtual display could not be started (attempt $attempt)" >&2
    done
    return 1
}
