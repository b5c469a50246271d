#!/usr/bin/env bash
# High contrast, switched on the desktop while Velkiro is open, reaches the
# window within a second, and leaves it as it is switched off: GNOME's switch,
# then the appearance portal's contrast, through a stand-in for the desktop's
# settings portal (portal.cpp) on a session bus of the check's own; then a
# start with it already on. The diameter of gauge 12 is read off the screen:
# green as designed (00c000), or at 7:1 or more against the face.
#   dbus-run-session -- high_contrast.sh PROGRAM PORTAL TITLE
source "$(dirname "$0")/../lib.sh"
program=$1 title=$3
start_x
gnome='org.gnome.desktop.a11y.interface high-contrast'
appearance='org.freedesktop.appearance contrast'
mkfifo "$scratch/switches"
exec 4<>"$scratch/switches"
"$2" $gnome false $appearance 0 <"$scratch/switches" >"$scratch/portal" &
waited 10 grep -q ready "$scratch/portal"

open() {  # a window showing gauge 12
    QT_QPA_PLATFORM=xcb "$program" &>/dev/null &
    velkiro=$! window=$(window_of "$title")
    xdotool type --delay 30 12 && xdotool key Return
}
# The diameter's text colour (the farthest from the face, the commonest
# colour) and its contrast ratio with the face, by WCAG 2.
diameter() {
    timeout 10 import -window "$window" -crop 89x25+140+144 -depth 8 txt:- | awk -F'[(),]' '
        function linear(c) { c /= 255; return c <= .04045 ? c / 12.92 : ((c + .055) / 1.055) ^ 2.4 }
        function luminance(c, rgb) {
            split(c, rgb, " ")
            return .2126 * linear(rgb[1]) + .7152 * linear(rgb[2]) + .0722 * linear(rgb[3]) + .05
        }
        NR > 1 { n[$3 " " $4 " " $5]++ }
        END {
            for (c in n) if (n[c] > most) { most = n[c]; face = luminance(c) }
            for (c in n) if ((r = luminance(c) / face) < 1 ? 1 / r > best : r > best) {
                best = r < 1 ? 1 / r : r
                split(c, t, " ")
            }
            printf "%02x%02x%02x %.2f\n", t[1], t[2], t[3], best
        }'
}
# looks high|designed WHEN: so within a second.
looks() {
    local seen deadline=$((${EPOCHREALTIME/./} + 1000000))
    until seen=$(diameter) && if [ "$1" = high ]; then awk "BEGIN { exit ${seen#* } < 7 }"
    else [ "${seen% *}" = 00c000 ]; fi; do
        ((${EPOCHREALTIME/./} < deadline)) || { echo "$2: the diameter is $seen, not $1"; exit 1; }
        sleep 0.1
    done
}
open
looks designed "at start"
for setting in "$gnome true" "$gnome false" "$appearance 1" "$appearance 0"; do
    echo "$setting" >&4
    case $setting in *true | *1) looks high "$setting" ;; *) looks designed "$setting" ;; esac
done
kill $velkiro && wait $velkiro || :
echo "$gnome true" >&4
open
looks high "a start with high contrast on"
echo "High contrast followed as switched, both ways and for both settings, and at start"
