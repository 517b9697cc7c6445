#!/usr/bin/env bash
# Always On Top with a real window manager: another program's window that is itself always on
# top and has the focus loses its topmost state within two seconds, and the program's main
# window takes it and is stacked above it, and the keyboard stays where it was: a sentence
# typed into the other window meanwhile arrives whole, and Escape still closes the About
# window after 3 s. With the box stored clear, nothing is restacked.
#
#   always_on_top.sh PROGRAM
#
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing).
set -uo pipefail

if (($# != 1)) || [[ ! -x "$1" ]]; then
    echo "usage: $0 PROGRAM (the built program, executable)" >&2
    exit 1
fi
program=$(realpath "$1")
name=$(basename "$program")
name=${name%.*}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# shellcheck source-path=SCRIPTDIR source=lib-requires.sh
source "$here/lib-requires.sh"
require_tools Xvfb openbox wmctrl xdpyinfo xauth xdotool xprop wish
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib-xvfb.sh
source "$here/../../scripts/lib-xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=lib-windows-on-screen.sh
source "$here/lib-windows-on-screen.sh"
# shellcheck source-path=SCRIPTDIR source=lib-always-on-top.sh
source "$here/lib-always-on-top.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lwviz-e2e-top.XXXXXX")
trap 'rm -rf "$work"' EXIT

both_scenarios() {
    local failed=0
    always_on_top_case "$work" "$program" ticked || failed=1
    always_on_top_case "$work" "$program" clear || failed=1
    return "$failed"
}

if ! with_virtual_display both_scenarios; then
    echo "FAIL: see above" >&2
    exit 1
fi
echo "PASS: always on top"
