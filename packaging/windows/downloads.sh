#!/usr/bin/env bash
# Makes the Windows downloads of a cross-built tree:  downloads.sh BUILD_DIR
# The program's folder, installed with the program stripped, becomes
# velkiro-VERSION-win64.zip and the installer velkiro-VERSION-setup.exe;
# beside them go the commit's sources, velkiro-VERSION-source.tar.gz, and
# SHA256SUMS of the three. Every file keeps the commit's time, not the
# clock's, so two builds of one commit give the same bytes.
set -euo pipefail
build=$(cd "$1" && pwd)
tree=$(cd "$(dirname "$0")/../.." && pwd)
source "$build/facts.sh"  # version
name=velkiro-$version-win64 setup=velkiro-$version-setup.exe sources=velkiro-$version-source.tar.gz
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$tree" log -1 --format=%ct)}
work=$build/downloads
rm -rf "$work" "$build/$name.zip" "$build/$setup" "$build/$sources" && mkdir -p "$work"
cmake --install "$build" --prefix "$work/$name" >/dev/null

# What made this download: the commit, the Qt source and patches (as Qt's
# build recorded them), and the version of every tool that wrote its bytes.
{
    echo "Velkiro $version for 64-bit Windows"
    git -C "$tree" diff --quiet HEAD && from="($sources)" || from="with changes not committed"
    echo "commit $(git -C "$tree" rev-parse HEAD) $from"
    sed -n '1s/^/Qt: Debian /p; s/^patch /Qt patch /p' "$build/packaging/windows/qt-stamp"
    release=$(. /etc/os-release && echo "$VERSION_ID")
    for package in g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime \
        binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev nsis zip cmake ninja-build git; do
        echo "Debian $release package $package $(dpkg-query -W -f='${Version}' "$package")"
    done
} | sed 's/$/\r/' >"$work/$name/BUILDINFO.txt"
find "$work/$name" -exec touch -h -d "@$epoch" {} +

# Names in order, no owners or extra times (-X), times read in UTC.
(cd "$work" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -9 -q -@ "$build/$name.zip")

# The uninstaller removes exactly what the installer put there.
"$(dirname "$0")/remove-list.sh" "$work/$name" >"$work/remove.nsh"
makensis -V2 -DSTAGE="$work/$name" -DREMOVE="$work/remove.nsh" -DOUTFILE="$build/$setup" \
    "$build/packaging/windows/velkiro.nsi" >/dev/null
# The commit's tree, as git archives it: the same bytes from any clone.
git -C "$tree" archive --format=tar.gz --prefix="velkiro-$version/" -o "$build/$sources" HEAD
(cd "$build" && sha256sum "$name.zip" "$setup" "$sources" >SHA256SUMS)
