#!/usr/bin/env bash
# The program ends with status 0 within 2 seconds every time the user answers
# "Sì" to ESCI, and every time the window is closed from its title bar, on a
# real display server inside Xvfb:
#   exits.sh wayland RUNS PROGRAM TITLE      native Wayland, under weston
#   exits.sh x11 RUNS PROGRAM TITLE          X11, under openbox
#   exits.sh wine RUNS PROGRAM.exe TITLE     Wine's own windows, under openbox
# Under x11 and wine each run first converts 12 with Italian settings (as
# ctest gives the checks) and copies a result, and once the program has ended
# the clipboard, read by xclip, must still hold it: on X11 Cinnamon's
# clipboard manager takes it over by the desktops' SAVE_TARGETS convention
# (on a session bus: x11 runs under dbus-run-session); under Wine it stays
# with the system, as on Windows. The window is found by its TITLE.
source "$(dirname "$0")/../lib.sh"
mode=$1 runs=$2 program=$3 title=$4
start_x ${mode/wayland/bare}
close=(key alt+F4) launch=()  # what openbox's close button sends, too
shown() { window_of "$title" >/dev/null && sleep 0.5; }
asked() { window_of Conferma; }
case $mode in
wayland)
    # An output as large as the window and its title bar puts the window at
    # 0,0 and its close button at 357,14; no panel, no on-screen keyboard.
    printf '[shell]\npanel-position=none\n[input-method]\npath=/bin/true\n' >"$tmp/weston.ini"
    weston --config="$tmp/weston.ini" --backend=x11-backend.so --socket=velkiro \
        --width=375 --height=523 --use-pixman --idle-time=0 &>/dev/null &
    waited 20 xdotool search --class 'Weston Compositor'
    weston=$(xdotool search --class 'Weston Compositor' | head -1)
    timeout 10 xdotool windowfocus --sync "$weston"
    export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=velkiro
    # Shown once the window's face covers the compositor's dark background.
    face() { timeout 10 import -window "$weston" -crop 1x1+100+300 txt:- | grep -q '#EFEFEF'; }
    shown() { waited 20 face && sleep 0.3; }
    asked() { sleep 1; }  # a Wayland client's windows cannot be seen from outside
    close=(mousemove 357 14 click 1) ;;
x11)
    export QT_QPA_PLATFORM=xcb
    own_bus
    csd-clipboard &>/dev/null &
    waited 10 xdotool search --classname csd-clipboard ;;
wine) launch=(wine) ;;
esac
clipboard() { timeout 10 xclip -o -selection clipboard; }
# copy N: convert 12, then, from the keyboard, copy the diameter through its
# menu's Copia on odd runs, the section through Ctrl+A and Ctrl+C on even
# ones, leaving the focus on the diameter; prints what the clipboard must then
# hold.
copy() {
    xdotool type --delay 50 12 && xdotool key Return shift+Tab shift+Tab sleep 0.3
    if (($1 % 2)); then
        xdotool key Menu sleep 0.5 key Down Return && echo 2,053
    else
        xdotool key Tab ctrl+a ctrl+c shift+Tab && echo 3,309
    fi
    sleep 0.3
}
for way in yes close; do
    for run in $(seq "$runs"); do
        "${launch[@]}" "$program" &>/dev/null &
        shown
        esci=(Tab Tab Tab)  # from the input; from the diameter, back once
        [ "$mode" = wayland ] || { copied=$(copy "$run") && esci=(shift+Tab); }
        if [ $way = yes ]; then
            xdotool key "${esci[@]}" Return && asked >/dev/null && xdotool key Return
        else
            xdotool "${close[@]}"
        fi
        waited 2 eval '! kill -0 $!' || { echo "$way, run $run: running 2 s later" && exit 1; }
        wait $! || { echo "$way, run $run: status $?" && exit 1; }
        [ "$mode" = wayland ] || [ "$(clipboard || echo '(nothing)')" = "$copied" ] ||
            { echo "$way, run $run: the clipboard holds $(clipboard), not $copied" && exit 1; }
    done
done
echo "$mode: $runs runs of each ended well${copied:+, what they copied kept}"
