#!/usr/bin/env bash
# The package as a user has it once installed: the program on the PATH at
# the version built, its desktop entry and manual page, and its window, which
# converts 12 typed with Italian settings, grabbed to look at.
#   installed.sh BUILD_DIR PICTURE
source "$(dirname "$0")/lib.sh"
source "$1/facts.sh"  # version, app_id, title
[ "$(command -v velkiro)" = /usr/bin/velkiro ]
[ "$(dpkg-query -W -f='${Version}' velkiro)" = "$version" ]
[ "$(timeout 10 velkiro --version)" = "velkiro $version" ]
test -f "/usr/share/applications/$app_id.desktop" -a -f /usr/share/man/man1/velkiro.1.gz
start_x
LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=xcb velkiro &>"$tmp/said" &
window=$(window_of "$title")
xdotool type --delay 50 12 && xdotool key Return sleep 0.5
timeout 10 import -window "$window" "$2"
kill -0 $! || { echo "velkiro ended: $(<"$tmp/said")" && exit 1; }
echo "installed: velkiro $version, its window in $2"
