#!/usr/bin/env bash
# Nothing a check writes reaches /etc or the user's real home, which the
# checks do not use (they have a home of their own under the build tree):
# `leaves_nothing.sh STAMP TREE...`, after them, fails on anything written
# since STAMP was touched in /etc, or in the home (but the project's TREEs
# and the cache, where the Windows build keeps its Qt) under a name of what
# the checks run: Velkiro, Wine, Qt's settings. What the other programs of a desktop in
# use write there passes.
set -euo pipefail
stamp=$1
shift
prune=()
for tree in "$@" "${XDG_CACHE_HOME:-$HOME/.cache}"; do
    [ ! -e "$tree" ] || prune+=(-path "$(realpath "$tree")" -prune -o)
done
written=$(find /etc -cnewer "$stamp" 2>/dev/null
    find "$(realpath "$HOME")" -maxdepth 5 "${prune[@]}" -cnewer "$stamp" \
        \( -iname '*velkiro*' -o -iname '*wine*' -o -iname 'QtProject*' \) -print 2>/dev/null || :)
[ -z "$written" ] || { echo "written by the checks:" && echo "$written" && exit 1; }
