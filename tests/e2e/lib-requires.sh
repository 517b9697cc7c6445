# shellcheck shell=bash
# What an end-to-end run needs installed; shared by the end-to-end runs.

# Ends the run as skipped (ctest's status 77) when one of the TOOLS is not on the PATH.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed" >&2
            exit 77
        fi
    done
}
