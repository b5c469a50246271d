#!/usr/bin/env bash
# High contrast, switched on the desktop while Velkiro is open, reaches the
# window within a second, and leaves it as it is switched off; a start with
# it on starts high. Switched as GNOME's settings do, by gsettings through
# dconf, and told by Debian's desktop portal with its GTK backend, on a
# session bus of the check's own. The diameter of gauge 12 is read off the
# screen.
#   dbus-run-session -- high_contrast.sh PROGRAM TITLE
source "$(dirname "$0")/../lib.sh"
program=$1 title=$2
start_x
export GSETTINGS_BACKEND=dconf
XDG_CURRENT_DESKTOP=GNOME own_bus XDG_CURRENT_DESKTOP  # the portal's GNOME backend
switch() { timeout 10 gsettings set org.gnome.desktop.a11y.interface "$@"; }
switch high-contrast false

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
open_velkiro "$program" "$title"
looks designed "at start"
switch high-contrast true && looks high "switched on"
switch high-contrast false && looks designed "switched off"
kill $velkiro && wait $velkiro || :
switch high-contrast true
open_velkiro "$program" "$title"
looks high "a start with high contrast on"
echo "High contrast followed"
