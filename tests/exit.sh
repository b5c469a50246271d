#!/usr/bin/env bash
# The program ends with status 0 within 2 seconds every time the user answers
# "Sì" to ESCI, and every time the window is closed from its title bar, on a
# real display server:
#   exit.sh wayland RUNS PROGRAM...  native Wayland: weston's X11 backend in Xvfb
#   exit.sh wine RUNS PROGRAM...     Wine's own windows under openbox in Xvfb
set -euo pipefail
mode=$1 runs=$2
shift 2
export DISPLAY=:$((200 + $$ % 500)) XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
if [ "$mode" = wayland ]; then
    # An output as large as the window and its title bar puts the window at
    # 0,0 and its close button at 357,14; no panel, no on-screen keyboard.
    printf '[shell]\npanel-position=none\n[input-method]\npath=/bin/true\n' >"$XDG_RUNTIME_DIR/weston.ini"
    weston --config="$XDG_RUNTIME_DIR/weston.ini" --backend=x11-backend.so --socket=velkiro \
        --width=375 --height=523 --use-pixman --idle-time=0 >/dev/null 2>&1 &
    xdotool windowfocus --sync "$(xdotool search --sync --class 'Weston Compositor' | head -1)"
    export WAYLAND_DISPLAY=velkiro QT_QPA_PLATFORM=wayland
    shown() { sleep 1.2; }
    close() { xdotool mousemove 357 14 click 1; }
else
    openbox >/dev/null 2>&1 &
    shown() { xdotool search --sync --onlyvisible --name 'Velkiro - by Sobrenti' >/dev/null; sleep 0.5; }
    close() { xdotool key alt+F4; }  # what openbox's close button sends, too
fi
for way in yes close; do
    for run in $(seq "$runs"); do
        "$@" >/dev/null 2>&1 &
        program=$!
        shown
        if [ "$way" = yes ]; then xdotool key Tab Tab Tab Return sleep 0.5 key Return; else close; fi
        for _ in $(seq 20); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
        if kill -0 $program 2>/dev/null; then
            echo "$way, run $run: still running 2 s later"
            kill -9 $program
            exit 1
        fi
        wait $program || { echo "$way, run $run: status $?" && exit 1; }
    done
done
echo "$mode: $runs runs of each ended with status 0 within 2 s"
