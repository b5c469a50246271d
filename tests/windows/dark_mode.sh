#!/usr/bin/env bash
# Windows' dark mode for apps (AppsUseLightTheme 0) under Wine: a start in it
# shows a dark face, on which every coloured text stands at 4.5:1 or more;
# switched to light while the window is open, told as Windows' settings tell
# it, the window turns light with its designed colours within 5 seconds, and
# dark again when switched back.
#   dark_mode.sh PROGRAM.exe TITLE COLOURS_CHANGED.exe
source "$(dirname "$0")/../lib.sh"
program=$1 title=$2 changed=$3
"$(dirname "$0")/prefix.sh" "$tmp/wine"
export WINEPREFIX=$tmp/wine
apps_light() {
    timeout 60 wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null
}
apps_light 0
start_x
wine "$program" &>/dev/null &
window=$(window_of "$title")
xdotool type --delay 50 12 && xdotool key Return sleep 0.5

# The texts, each in a region with the face around it: the diameter's result,
# the section's, the title, the panel's heading and a row, the input's label
# and a button's; and a spot of bare face.
texts=(89x25+140+144 89x25+140+184 300x22+35+8 75x14+66+232 170x18+66+256 45x20+82+98
    140x20+110+370)
face=1x1+5+5 shot=$tmp/window.png
holds() {  # holds REGION FX: the region's luminance meets FX
    [ "$(convert $shot -crop "$1" -colorspace RGB -grayscale Rec709Luminance \
        -format "%[fx:$2]" info:)" = 1 ]
}
# looks dark|light: the face is dark and every text stands at 4.5:1 or more
# against it (WCAG 2's contrast, over linear light); or the face is light
# and the diameter is drawn in its designed green.
looks() {
    timeout 10 import -window "$window" $shot || return 1
    if [ "$1" = light ]; then
        holds $face 'mean > .18' &&
            convert $shot -crop "${texts[0]}" txt:- | grep -c -i 00C000 >/dev/null
    else
        holds $face 'mean < .18' || return 1
        for text in "${texts[@]}"; do
            holds "$text" '(maxima + .05) / (minima + .05) >= 4.5' || return 1
        done
    fi
}
waited 5 looks dark  # at the start
apps_light 1 && timeout 20 wine "$changed" && waited 5 looks light
apps_light 0 && timeout 20 wine "$changed" && waited 5 looks dark
echo "Dark mode followed"
