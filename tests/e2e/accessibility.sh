#!/usr/bin/env bash
# What a screen reader finds in the program: the program runs on a virtual display with a
# private session bus and accessibility bus, and accessible_tree.py reads both windows over
# AT-SPI, prints them and checks them.
#
#   accessibility.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, openbox, D-Bus or AT-SPI).
set -uo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools Xvfb openbox dbus-run-session
# The client needs the system's Python, which has the GObject bindings.
if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    [[ ! -x /usr/libexec/at-spi-bus-launcher ]]; then
    echo "SKIP: AT-SPI (at-spi2-core, python3-gi, gir1.2-atspi-2.0) is not installed" >&2
    exit 77
fi
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-a11y.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export XDG_CONFIG_HOME=$work HOME=$work XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"

session() {
    # Qt reads the tree out only for an assistive technology; this one says so itself.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
    local pid=$!
    /usr/bin/python3 "$here/accessible_tree.py" "$(basename "$program")"
    local status=$?
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return "$status"
}

export -f session
export program here work
with_virtual_display dbus-run-session -- bash -c session
