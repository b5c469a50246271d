#!/usr/bin/env bash
# The zip's program as a user meets it under Wine, unpacked into an empty
# folder with nothing else at hand: it starts, shows its window and ends well,
# time after time, what it copied kept on the clipboard; at 150 % its window
# is 1.5 times as large and can be neither resized nor maximised. (As a
# command: command_and_dark_mode.sh.)
#   program.sh ZIP TITLE
source "$(dirname "$0")/../lib.sh"
wine_prefix
unzip -q "$1" -d "$tmp"
program=$(echo "$tmp"/velkiro-*-win64/velkiro.exe) title=$2
"$(dirname "$0")/../desktop/exits.sh" wine 10 "$program" "$title"

# At 150 % (Wine's LogPixels 144) the client area is 1.5 times 369 x 490.
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
screen=1024x900x24 start_x
wine "$program" &>/dev/null &
window=$(window_of "$title")
measured() {  # the client area, and the sizing the window manager allows
    xdotool getwindowgeometry "$window" | grep -o '[0-9]*x[0-9]*'
    xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -o -E 'MAXIMIZE|RESIZE' | sort -u
}
waited 10 eval '[ "$(measured)" = 554x735 ]' || { echo "At 150 %:" $(measured); exit 1; }
