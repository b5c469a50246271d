#!/usr/bin/env bash
# The program as a command under Wine: its options end with their statuses,
# and its help arrives whole, however it is shown.
#   command.sh PROGRAM.exe
source "$(dirname "$0")/../lib.sh"
"$(dirname "$0")/prefix.sh" "$tmp/wine"
export WINEPREFIX=$tmp/wine
program=$1 c=$WINEPREFIX/drive_c
start_x
for run in --version:0 --help:0 --no-such-option:2; do
    timeout 20 wine "$program" ${run%:*} &>/dev/null && status=0 || status=$?
    [ $status = "${run##*:}" ] || { echo "velkiro.exe ${run%:*}: status $status" && exit 1; }
done
# The help names the README and arrives whole: into a file redirected by
# cmd as UTF-8, into a console (a terminal's, as Wine's console then is) as
# Unicode, however the console is handed over.
for how in "%s --help >C:\\help.txt" "%s --help" "start /wait %s --help"; do
    printf "@$how\r\n" "$(winepath -w "$program")" >"$c/help.cmd" && rm -f "$c/help.txt"
    shown=$(timeout 20 script -qec 'wine cmd /c C:\\help.cmd' /dev/null && cat "$c/help.txt" || :)
    grep -q 'mm²' <<<"$shown" && grep -q README.txt <<<"$shown" || { echo "$how: $shown"; exit 1; }
done

echo "velkiro.exe as a command"
