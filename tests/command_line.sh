#!/usr/bin/env bash
# The program as a command, run as a user would, with no display unless a row
# names one: each row gives what it shows, the variables it sets, the
# arguments, and the status, standard output and standard error the run must
# give (as patterns).   command_line.sh PROGRAM VERSION
source "$(dirname "$0")/lib.sh"
set +e
program=$1 version=$2 failures=0
refused="; per l'aiuto: velkiro --help" window="velkiro: impossibile aprire la finestra"
details="per i dettagli: QT_DEBUG_PLUGINS=1"
row() {  # WHAT VARIABLES ARGUMENTS STATUS STDOUT STDERR
    # shellcheck disable=SC2086 # variables and arguments are lists of words
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $2 timeout "${limit:-10}" "$program" $3 \
        >"$scratch/out" 2>"$scratch/err"
    local got="status $? out '$(<"$scratch/out")' err '$(<"$scratch/err")'"
    local want="status $4 out '$5' err '$6'"
    [[ $got == $want ]] || { echo "FAIL: $1: $got" && ((++failures)); }
}
row "--version needs no display" "" --version 0 "velkiro $version" ""
row "--help needs no display, names the manual" "" --help 0 \
    "Uso: velkiro [[]OPZIONE]*--version*man velkiro" ""
row "the toolkit's options are taken, an unknown one refused before it starts" "" \
    "-platform offscreen -style=fusion -reverse --no-such-option=1" 2 "" \
    "velkiro: opzione sconosciuta '--no-such-option'$refused"
limit=2 row "a start that succeeds passes the toolkit's warnings on" \
    "-u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen" "-style fusion" 124 "" \
    "QStandardPaths: XDG_RUNTIME_DIR not set*"
row "no argument, after --help neither" QT_QPA_PLATFORM=offscreen "--help dodici" 2 "" \
    "velkiro: argomento inatteso 'dodici'$refused"
row "no value to an option that takes none" "" --version=1 2 "" \
    "velkiro: l'opzione '--version' non accetta valori$refused"
row "an option without its value" "" -platform 2 "" \
    "velkiro: l'opzione '-platform' richiede un valore$refused"
row "a failed platform named, -platform first" QT_QPA_PLATFORM=xcb "-platform nessuna" 1 "" \
    "$window (-platform nessuna); $details"
row "QT_QPA_PLATFORM's before the display" "DISPLAY=:7913 QT_QPA_PLATFORM=nessuna" "" 1 "" \
    "$window (QT_QPA_PLATFORM=nessuna); $details"
row "no display at all, one line" "" "" 1 "" \
    "velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate"
row "a display that does not answer" DISPLAY=:7913 "" 1 "" "$window (DISPLAY=:7913); $details"
echo "$failures failed"
((failures == 0))
