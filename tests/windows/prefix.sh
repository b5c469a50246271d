#!/usr/bin/env bash
# A new Wine prefix in FOLDER: a Windows 10, as Velkiro needs (Wine 8 makes a
# Windows 7 unless told), with Wine's own fonts where this Wine looks for
# them (Tahoma is every dialog's face), Qt's log on the standard error (a
# test program with no console writes it to the debugger alone, and Wine
# passes no QT_ variable on), and no menu builder, so nothing installed in it
# reaches this machine's own menus.   prefix.sh FOLDER
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
timeout 120 wineboot --init >/dev/null 2>&1
timeout 60 wine winecfg -v win10
timeout 60 wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
timeout 60 wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f \
    >/dev/null  # for whatever runs in it later, too
timeout 60 wineserver -w
ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
