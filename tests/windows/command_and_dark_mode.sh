#!/usr/bin/env bash
# The program under Wine as a command: its options end with their statuses,
# and its help arrives whole, however it is shown. Then in Windows' dark mode
# for apps: dark, and light and dark again as switched while it is open.
#   command_and_dark_mode.sh PROGRAM.exe TITLE COLOURS_CHANGED.exe
source "$(dirname "$0")/../lib.sh"
program=$1 changed=$3
wine_prefix
start_x
for run in --version:0 --help:0 --no-such-option:2; do
    timeout 20 wine "$program" ${run%:*} &>/dev/null && status=0 || status=$?
    [ $status = "${run##*:}" ] || { echo "${run%:*}: status $status" && exit 1; }
done
# The help names the README and arrives whole, and only where it is sent: on
# the standard output redirected by cmd into a file, as UTF-8 (and nothing in
# the console from one sent to nul); into a console (a terminal's, as Wine's
# console then is) as Unicode, however the console is handed over.
exe=$(winepath -w "$program")
for how in "%s --help >nul 2>nul & %s --help >C:\\help.txt 2>nul" "%s --help" \
    "start /wait %s --help"; do
    printf '@%s\r\n' "${how//%s/$exe}" >"$c/help.cmd" && rm -f "$c/help.txt"
    shown=$(timeout 20 script -qec 'wine cmd /c C:\\help.cmd' /dev/null && cat "$c/help.txt" || :)
    grep -q 'mm²' <<<"$shown" && [ "$(grep -c README.txt <<<"$shown")" = 1 ] ||
        { echo "$how: $shown"; exit 1; }
done
# Started from no console, as by a shortcut: a box, which warns of a fault.
shot=$tmp/shot.png
for run in --help:\> --no-such-option:\<; do
    timeout 20 wine rundll32 shell32,ShellExec_RunDLL "$exe" ${run%:*}
    timeout 10 import -window "$(window_of ^Velkiro$)" $shot && xdotool key Return
    [ "$(convert $shot -format "%[fx:mean.b${run#*:}mean.r]" info:)" = 1 ]
done

# Switched as Windows' settings switch it: the value, then the message.
switch() {  # 0 dark, 1 light
    timeout 60 wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null && timeout 20 wine "$changed"
}
switch 0
wine "$program" &>/dev/null &
window=$(window_of "$2")
xdotool type --delay 50 12 && xdotool key Return

# The coloured texts, with the face around them: both results, the title and
# the panel's heading.
texts=(89x25+140+144 89x25+140+184 300x22+35+8 75x14+66+232)
holds() {  # holds REGION FX: the region's luminance meets FX
    [ "$(convert $shot -crop "$1" -colorspace RGB -grayscale Rec709Luminance \
        -format "%[fx:$2]" info:)" = 1 ]
}
# looks FACE TEXT: at 5,5 the face meets FACE, and every coloured text TEXT.
looks() {
    timeout 10 import -window "$window" $shot && holds 1x1+5+5 "$1" || return 1
    for text in "${texts[@]}"; do holds "$text" "$2" || return 1; done
}
# Dark: a dark face, every text on it at 4.5:1 or more (WCAG 2, over linear
# light). Light: a light face, the diameter in its designed green.
dark() { looks 'mean < .18' '(maxima + .05) / (minima + .05) >= 4.5'; }
light() { looks 'mean > .18' 1 && convert $shot -crop ${texts[0]} txt:- | grep -c 00C000; }
waited 5 dark
switch 1 && waited 5 light
switch 0 && waited 5 dark
