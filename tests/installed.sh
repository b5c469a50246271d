#!/usr/bin/env bash
# The package as a user has it once installed: the program on the PATH at
# the version built, and its window, which converts 12 typed with Italian
# settings, grabbed to look at. (What the package holds: packaging.sh.)
#   installed.sh BUILD_DIR PICTURE
source "$(dirname "$0")/lib.sh"
source "$1/facts.sh"  # version, title
[ "$(timeout 10 velkiro --version)" = "velkiro $version" ]
start_x
LC_ALL=it_IT.UTF-8 open_velkiro velkiro "$title"
timeout 10 import -window "$window" "$2"
kill -0 $velkiro || { echo "velkiro ended: $(<"$tmp/said")" && exit 1; }
echo "installed: velkiro $version, its window in $2"
