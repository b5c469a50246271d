# Sourced by the shell checks. Each check gets a folder of its own in the
# temporary folder (or in $scratch_in), which goes at its end with every
# process it started in the background, however it ends; its waits poll,
# each with a limit.
set -euo pipefail; [ -z "${TRACE:-}" ] || set -x
scratch=$(mktemp -d "${scratch_in:-${TMPDIR:-/tmp}}/velkiro-check.XXXXXX")
export XDG_RUNTIME_DIR=$scratch
# No desktop entries or menus for what a Wine prefix installs.
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
cleanup() {
    local children
    children=$(jobs -p)
    if [ -n "$children" ]; then
        kill $children 2>/dev/null || true
        sleep 0.3
        kill -9 $children 2>/dev/null || true
    fi
    [ -z "${WINEPREFIX:-}" ] || timeout 30 wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# waited SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
waited() {
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        ((--tries)) || { echo "waited in vain for: $*" >&2 && return 1; }
        sleep 0.1
    done
}

# An X display of the check's own, on the first number free (Xvfb picks it
# and says which), with a window manager unless told "bare".
start_x() {
    # A Wine server keeps the display it started with: a prefix's goes first.
    [ -z "${WINEPREFIX:-}" ] || timeout 30 wineserver -k 2>/dev/null || true
    Xvfb -displayfd 3 -screen 0 "${screen:-800x600x24}" -nolisten tcp 3>"$scratch/display" \
        >/dev/null 2>&1 &
    waited 20 test -s "$scratch/display"
    export DISPLAY=:$(<"$scratch/display")
    [ "${1:-}" = bare ] || { openbox >/dev/null 2>&1 & }
}

# The window of a title, once shown (polled: xdotool's own wait fails when
# another window goes meanwhile).
window_of() {
    waited 20 xdotool search --onlyvisible --name "$1"
    xdotool search --onlyvisible --name "$1" | head -1
}
