#!/usr/bin/env bash
# The uninstaller's lines that remove exactly what a folder to be installed
# holds: each file, then each folder, deepest first.   remove-list.sh FOLDER
set -euo pipefail
cd "$1"
find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
