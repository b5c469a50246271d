#!/usr/bin/env bash
# Makes the Windows downloads of a cross-built tree:  downloads.sh BUILD_DIR
# The program's folder, installed with every EXE and DLL stripped, becomes
# velkiro-VERSION-win64.zip and the installer velkiro-VERSION-setup.exe, with
# SHA256SUMS beside them. Every file keeps the commit's time, not the
# clock's, so two builds of one commit give the same zip.
set -euo pipefail
build=$(cd "$1" && pwd)
source "$build/facts.sh"  # version
name=velkiro-$version-win64 setup=velkiro-$version-setup.exe
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "$0")" log -1 --format=%ct)}
work=$build/downloads
rm -rf "$work" "$build/$name.zip" "$build/$setup" && mkdir -p "$work"
cmake --install "$build" --prefix "$work/$name" >/dev/null
find "$work/$name" -exec touch -h -d "@$epoch" {} +

# Names in order, no owners or extra times (-X), times read in UTC.
(cd "$work" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -9 -q -@ "$build/$name.zip")

# The uninstaller removes exactly what the installer put there.
(cd "$work/$name" && {
    find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$work/remove.nsh")
makensis -V2 -DSTAGE="$work/$name" -DREMOVE="$work/remove.nsh" -DOUTFILE="$build/$setup" \
    "$build/packaging/windows/velkiro.nsi" >/dev/null
(cd "$build" && sha256sum "$name.zip" "$setup" >SHA256SUMS)
