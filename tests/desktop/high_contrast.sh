#!/usr/bin/env bash
# High contrast, switched on the desktop while Velkiro is open, reaches the
# window within a second, and leaves it as it is switched off: GNOME's switch,
# then the appearance portal's contrast, through a stand-in for the desktop's
# settings portal (portal.cpp) on a session bus of the check's own; then a
# start with it already on. The diameter of gauge 12 is read off the screen.
#   dbus-run-session -- high_contrast.sh PROGRAM PORTAL TITLE
source "$(dirname "$0")/../lib.sh"
program=$1 title=$3
start_x
gnome='org.gnome.desktop.a11y.interface high-contrast'
appearance='org.freedesktop.appearance contrast'
mkfifo "$tmp/switches"
exec 4<>"$tmp/switches"
"$2" $gnome false $appearance 0 <"$tmp/switches" >"$tmp/portal" &
waited 10 grep -q ready "$tmp/portal"

open() {  # a window showing gauge 12
    QT_QPA_PLATFORM=xcb "$program" &>/dev/null &
    velkiro=$! window=$(window_of "$title")
    xdotool type --delay 30 12 && xdotool key Return
}
# looks designed|high WHEN: within a second, the diameter is drawn in the
# designed green, or its darkest and lightest colours (the text and the face)
# stand at 7:1 or more (WCAG 2's contrast, over linear light).
looks() {
    local deadline=$((${EPOCHREALTIME/[.,]/} + 1000000)) shot=$tmp/diameter.png
    ratio() { convert $shot -colorspace RGB -grayscale Rec709Luminance -format "%[fx:$1]" info:; }
    until timeout 10 import -window "$window" -crop 89x25+140+144 $shot && if [ "$1" = high ]
    then [ "$(ratio '(maxima + .05) / (minima + .05) >= 7')" = 1 ]
    else [ "$(convert $shot -depth 8 txt:- | grep -c -i '#00C000')" != 0 ]; fi; do
        ((${EPOCHREALTIME/[.,]/} < deadline)) ||
            { echo "$2: not $1, at $(ratio '(maxima + .05) / (minima + .05)'):1"; exit 1; }
        sleep 0.1
    done
}
open
looks designed "at start"
# Another key of either group switches nothing: one changed before a switch
# would keep the window high at the next switch off.
for step in "$gnome true:high" "$gnome false:designed" \
    "${gnome% *} toolkit-accessibility true $appearance 1:high" "$appearance 0:designed" \
    "${appearance% *} color-scheme 1 $gnome true:high" "$gnome false:designed"; do
    echo "${step%:*}" >&4 && looks "${step#*:}" "${step%:*}"
done
kill $velkiro && wait $velkiro || :
echo "$gnome true" >&4
open
looks high "a start with high contrast on"
echo "High contrast followed"
