#!/usr/bin/env bash
# The program as a command, run as a user would, with no display unless a row
# names one: each row gives the variables it sets, the arguments, and what the
# run must show (status, standard output, standard error, as patterns).
#   command_line.sh PROGRAM VERSION
source "$(dirname "$0")/lib.sh"
set +e
program=$1 version=$2 passed=0 failures=0
out=$scratch/out err=$scratch/err
refused="; per l'aiuto: velkiro --help" details="per i dettagli: QT_DEBUG_PLUGINS=1"
row() {  # WHAT VARIABLES ARGUMENTS STATUS STDOUT STDERR
    # shellcheck disable=SC2086 # variables and arguments are lists of words
    { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $2 timeout "${limit:-10}" "$program" $3 \
        >"$out" 2>"$err"; } 2>/dev/null
    local got="status $? out '$(<"$out")' err '$(<"$err")'" want="status $4 out '$5' err '$6'"
    [[ $got == $want ]] && passed=$((passed + 1)) ||
        { echo "FAIL: $1: $got" && failures=$((failures + 1)); }
}
row "--version needs no display" "" --version 0 "velkiro $version" ""
row "--help needs no display and names the manual" "" --help 0 \
    "Uso: velkiro [[]OPZIONE]*--version*man velkiro" ""
row "the toolkit's own options are taken, an unknown one refused before the toolkit starts" \
    "" "-platform offscreen -style=fusion -reverse --no-such-option=1" 2 "" \
    "velkiro: opzione sconosciuta '--no-such-option'$refused"
limit=2 row "a start that succeeds passes the toolkit's own warnings on" \
    "-u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen" "-style fusion" 124 "" \
    "QStandardPaths: XDG_RUNTIME_DIR not set*"
row "an argument is not taken, after --help neither" QT_QPA_PLATFORM=offscreen "--help dodici" 2 \
    "" "velkiro: argomento inatteso 'dodici'$refused"
row "an option that takes no value refuses one" "" --version=1 2 "" \
    "velkiro: l'opzione '--version' non accetta valori$refused"
row "an option without its value is named" "" -platform 2 "" \
    "velkiro: l'opzione '-platform' richiede un valore$refused"
row "a platform that does not start is named, -platform before QT_QPA_PLATFORM" \
    QT_QPA_PLATFORM=xcb "-platform nessuna" 1 "" \
    "velkiro: impossibile aprire la finestra (-platform nessuna); $details"
row "so is QT_QPA_PLATFORM's, before the display" "DISPLAY=:7913 QT_QPA_PLATFORM=nessuna" "" 1 "" \
    "velkiro: impossibile aprire la finestra (QT_QPA_PLATFORM=nessuna); $details"
row "no display at all is one line, not an abort" "" "" 1 "" \
    "velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate"
row "a display that does not answer is one line naming it" DISPLAY=:7913 "" 1 "" \
    "velkiro: impossibile aprire la finestra (DISPLAY=:7913); $details"
echo "$passed passed, $failures failed"
((failures == 0))
