#!/usr/bin/env bash
# The program as a command, run as a user would: each row gives what the run
# must show (status, standard output, standard error, as patterns) and the
# environment and arguments it runs with.   command_line.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
ulimit -c 0  # the toolkit's own abort, asked for below, leaves no core
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
nowhere=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
offscreen=(env QT_QPA_PLATFORM=offscreen)
refused="; per l'aiuto: velkiro --help"
failures=0
row() {  # WHAT STATUS STDOUT STDERR ENVIRONMENT... -- ARGUMENTS...
    local what=$1 status=$2 out=$3 err=$4 run=()
    shift 4
    while [ "$1" != -- ]; do run+=("$1") && shift; done
    shift
    { "${run[@]}" "$program" "$@" >"$XDG_RUNTIME_DIR/out" 2>"$XDG_RUNTIME_DIR/err"; } 2>/dev/null
    local got="status $? out '$(cat "$XDG_RUNTIME_DIR/out")' err '$(cat "$XDG_RUNTIME_DIR/err")'"
    local want="status $status out '$out' err '$err'"
    [[ $got == $want ]] ||
        { echo "FAIL: $what: $got" && failures=$((failures + 1)); }
}
row "--version needs no display" 0 "velkiro $version" "" "${nowhere[@]}" -- --version
row "--help needs no display and names the manual" 0 "Uso: velkiro [[]OPZIONE]*--version*man velkiro" "" "${nowhere[@]}" -- --help
row "-h is --help" 0 "Uso: velkiro*" "" "${nowhere[@]}" -- -h
row "an unknown option is named once Qt has taken its own" 2 "" "velkiro: opzione sconosciuta '--no-such-option'$refused" \
    "${offscreen[@]}" -- -platform offscreen -style fusion -reverse --no-such-option
row "an argument is not taken" 2 "" "velkiro: argomento inatteso 'dodici'$refused" "${offscreen[@]}" -- dodici
row "no display at all is one line, not an abort" 1 "" "velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate" "${nowhere[@]}" --
row "a display that does not answer is one line" 1 "" "velkiro: impossibile aprire la finestra sul display (DISPLAY=:7913); per i dettagli: QT_DEBUG_PLUGINS=1" \
    "${nowhere[@]}" DISPLAY=:7913 --
row "Qt's own account when asked for" 134 "" "*could not connect to display*Available platform plugins*" "${nowhere[@]}" QT_DEBUG_PLUGINS=1 --
echo "$((8 - failures)) passed, $failures failed"
((failures == 0))
