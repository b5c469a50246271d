# Sourced by the shell checks. Each check gets a folder of its own in the
# temporary folder, $tmp (or in $tmp_in), which goes at its end with every
# process it started in the background, however it ends; its waits poll,
# each with a limit. (Wine's prefixes come from windows/prefix.sh.)
set -euo pipefail
tmp=$(mktemp -d "${tmp_in:-${TMPDIR:-/tmp}}/velkiro-check.XXXXXX")
export XDG_RUNTIME_DIR=$tmp WINEDEBUG=-all
cleanup() {
    kill $(jobs -p) 2>/dev/null && sleep 0.3 || :
    kill -9 $(jobs -p) 2>/dev/null || :
    [ -z "${WINEPREFIX:-}" ] || timeout 30 wineserver -k 2>/dev/null || :
    fusermount3 -u -z "$tmp/doc" 2>/dev/null || :  # see own_bus
    rm -rf "$tmp"
}
trap cleanup EXIT
# Every limit is kept: what does not end on the signal is killed.
timeout() { command timeout -k 5 "$@"; }

# waited SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
waited() {
    local tries=$(($1 * 10))
    until "${@:2}" &>/dev/null; do
        ((--tries)) || { echo "waited in vain for: ${*:2}" >&2 && return 1; }
        sleep 0.1
    done
}

# An X display of the check's own, on a number Xvfb picks itself, with a
# window manager unless told "bare", ready once it says so on the root window
# (a window mapped before then may stay unmapped). A Wine server keeps the
# display it started with: the prefix's goes first.
start_x() {
    [ -z "${WINEPREFIX:-}" ] || timeout 30 wineserver -k 2>/dev/null || :
    Xvfb -displayfd 3 -screen 0 "${screen:-800x600x24}" -nolisten tcp 3>"$tmp/display" \
        &>/dev/null &
    waited 20 test -s "$tmp/display"
    export DISPLAY=:$(<"$tmp/display")
    [ "${1:-}" = bare ] && return
    openbox &>/dev/null &
    waited 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# The window of a title, once shown (polled: xdotool's own wait fails when
# another window goes meanwhile), within a minute: a start under Wine on a
# busy machine has been seen to take more than 20 seconds.
window_of() {
    waited 60 xdotool search --onlyvisible --name "$1"
    xdotool search --onlyvisible --name "$1" | head -1
}

# open_velkiro PROGRAM TITLE: the program on X11, converting 12 as typed; its
# window in $window, its process in $velkiro, what it said in $tmp/said.
open_velkiro() {
    QT_QPA_PLATFORM=xcb "$1" &>"$tmp/said" &
    velkiro=$! window=$(window_of "$2")
    xdotool type --delay 50 12 && xdotool key Return sleep 0.5
}

# A new Wine prefix of the check's own in $WINEPREFIX, its drive C: in $c.
wine_prefix() {
    export WINEPREFIX=$tmp/wine c=$tmp/wine/drive_c
    "${BASH_SOURCE%/*}/windows/prefix.sh" "$WINEPREFIX"
}

# own_bus [VARIABLE...]: what the check's own session bus (dbus-run-session)
# starts, such as the desktop's portal, sees the check's display, runtime
# folder and these variables. The portal's document store mounts itself in
# the runtime folder; it is unmounted at the end.
own_bus() { dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR "$@"; }
