#!/usr/bin/env bash
# Checks of what gets installed and shipped: packaging.sh CHECK BUILD_DIR
set -euo pipefail
check=$1
build=$(cd "$2" && pwd)
id=org.velkiro.Velkiro

case $check in
desktop-entry)
    desktop-file-validate "$build/app/$id.desktop"
    ;;
metainfo)
    appstreamcli validate --no-net "$build/app/$id.metainfo.xml"
    ;;
windows-resources)
    # Without the MinGW compiler the host preprocessor does: the script needs no headers.
    x86_64-w64-mingw32-windres --preprocessor=cpp "$build/app/velkiro.rc" -o /dev/null
    ;;
install-tree)
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --prefix "$prefix" >/dev/null
    expected="bin/velkiro
share/applications/$id.desktop
share/doc/velkiro/LICENSE
share/doc/velkiro/LiberationSans-OFL.txt"
    for size in 128 16 256 32 48 64; do
        expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    expected+=$'\n'"share/icons/hicolor/scalable/apps/$id.svg"
    expected+=$'\n'"share/metainfo/$id.metainfo.xml"
    diff <(echo "$expected" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
    # The 16 x 16 icon is the pixel artwork itself, not a scaled copy.
    cmp "$prefix/share/icons/hicolor/16x16/apps/$id.png" "$(dirname "$0")/../assets/velkiro-16.png"
    ;;
debian-package)
    (cd "$build" && cpack -G DEB >/dev/null)
    deb="$build/velkiro_1.00_amd64.deb"
    info=$(dpkg-deb --info "$deb")
    contents=$(dpkg-deb --contents "$deb")
    grep -q '^ Version: 1.00$' <<<"$info"
    grep '^ Depends:' <<<"$info" | grep -q 'libqt6widgets6'
    grep -q ' ./usr/bin/velkiro$' <<<"$contents"
    grep -q " ./usr/share/applications/$id.desktop$" <<<"$contents"
    grep -q " ./usr/share/metainfo/$id.metainfo.xml$" <<<"$contents"
    echo "$info"
    ;;
arguments-ignored)
    # Arguments Qt does not take are ignored: the program starts and stays up,
    # and leaves no settings or data behind in a fresh home.
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    status=0
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data QT_QPA_PLATFORM=offscreen \
        timeout 3 "$build/app/velkiro" --gauge 12 notes.txt || status=$?
    [ "$status" -eq 124 ]
    [ ! -e "$home/config" ] && [ ! -e "$home/data" ]
    ;;
*)
    echo "unknown check: $check" >&2
    exit 2
    ;;
esac
