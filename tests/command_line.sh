#!/usr/bin/env bash
# The program as a command, run as a user would, with no display unless a row
# names one, each for 5 seconds at most: a row gives what it shows, the
# variables it sets, the arguments, and the status, standard output and
# standard error the run must give (as patterns).   command_line.sh PROGRAM VERSION
source "$(dirname "$0")/lib.sh"
r="; per l'aiuto: velkiro --help" w="velkiro: impossibile aprire la finestra"
d="; per i dettagli: QT_DEBUG_PLUGINS=1"
while IFS='|' read -r what variables arguments status out err; do
    # shellcheck disable=SC2086 # variables and arguments are lists of words
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $variables timeout 5 "$1" $arguments \
        >"$tmp/out" 2>"$tmp/err" && got=0 || got=$?
    got="status $got out '$(<"$tmp/out")' err '$(<"$tmp/err")'"
    [[ $got == "status $status out '"$out"' err '"$err"'" ]] || { echo "$what: $got" && exit 1; }
done <<EOT
needs no display||--version|0|velkiro $2|
names the manual||--help|0|Uso: velkiro [[]OPZIONE]*--version*man velkiro|
toolkit's options taken||-platform offscreen -style=fusion -reverse --nope|2||\
velkiro: opzione sconosciuta '--nope'$r
-platform opens the window there, the toolkit's warnings passed on||\
-platform offscreen -style nessuno|124||*nessuno*
no argument after --help or --|QT_QPA_PLATFORM=offscreen|--help -- -x|2||\
velkiro: argomento inatteso '-x'$r
no argument, a word that is no option||12|2||velkiro: argomento inatteso '12'$r
no value for an option of none||--version=1|2||velkiro: l'opzione '--version' non accetta valori$r
an option without its value||-platform|2||velkiro: l'opzione '-platform' richiede un valore$r
-platform named first|QT_QPA_PLATFORM=xcb|-platform nessuna|1||$w (-platform nessuna)$d
no -platform=, which the toolkit would not read||-platform=offscreen|2||\
velkiro: l'opzione '-platform' vuole il valore dopo uno spazio$r
QT_QPA_PLATFORM before DISPLAY|DISPLAY=:7913 QT_QPA_PLATFORM=no||1||$w (QT_QPA_PLATFORM=no)$d
no display at all|||1||velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate
a display that does not answer|DISPLAY=:7913||1||$w (DISPLAY=:7913)$d
EOT
echo "The program as a command: every run as expected"
