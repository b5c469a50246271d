#!/usr/bin/env bash
# The installer through an installed program's life, in a new Wine prefix
# with Italian settings, as a table: each row runs a command and expects its
# status (Wine passes the lowest eight bits on: 1638 arrives as 102) and what
# is installed afterwards.   installer.sh BUILD TITLE READER
source "$(dirname "$0")/../lib.sh"
build=$1 title=$2 reader=$3
source "$build/facts.sh"  # version, vendor, copyright
"$(dirname "$0")/prefix.sh" "$scratch/wine" && export WINEPREFIX=$scratch/wine
export LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
setup=$build/velkiro-$version-setup.exe staged=$build/downloads/velkiro-$version-win64
c=$WINEPREFIX/drive_c custom='C:\Prove di installazione\Velkiro è già qui'
unix() { winepath -u "$(timeout 30 wine cmd /c "echo $1" | tr -d '\r')"; }
declare -A folders=([user]="$(unix '%LOCALAPPDATA%')/Programs/Velkiro"
    [all]="$c/Program Files/Velkiro" [custom]="$(winepath -u "$custom")")
declare -A links=([user]="$(unix '%APPDATA%')" [all]="$c/ProgramData")
entries='Software\Microsoft\Windows\CurrentVersion\Uninstall'
start_x

# The commands. Each runs a Windows command line as typed at a command prompt
# (NSIS takes /D= and _?= unquoted, to the end of the line), through a script
# of cmd's own, as tools such as winget run an entry's strings.
typed() {
    printf '@echo off\r\n%s\r\nexit %%errorlevel%%\r\n' "$*" | iconv -t CP850 >"$c/typed.cmd"
    timeout 120 wine cmd /c 'C:\typed.cmd'
}
setup() { typed "$(winepath -w "$setup")" "$@"; }
older() { typed "$(winepath -w "$scratch/setup-0.99.exe")" "$@"; }
from_folder() { typed "\"$(winepath -w "${folders[$1]}")\\Uninstall.exe\"" "${@:2}"; }
entry() {  # SCOPE NAME: the entry's UninstallString or QuietUninstallString
    local root=HKCU
    [ "$1" = all ] && root=HKLM
    typed "$(timeout 60 wine reg query "$root\\$entries\\Velkiro" /v "$2" | iconv -f CP850 |
        tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p")"
}
quiet() { entry "$1" QuietUninstallString; }
plain() { entry "$1" UninstallString; }
on_windows() { timeout 60 wine winecfg -v "$1"; }
start_velkiro() {
    wine "${folders[user]}/velkiro.exe" >/dev/null 2>&1 &
    velkiro=$!
    window_of "$title"
}
stop_velkiro() { xdotool windowactivate --sync "$(window_of "$title")" key alt+F4 &&
    timeout 60 wineserver -w; }
exits() {
    "$(dirname "$0")/../desktop/exits.sh" wine 1 "$title" "$reader" wine \
        "${folders[user]}/velkiro.exe"
}
# On screen: COMMAND's windows answered with these keys, each once the
# screen has settled.
keys() {
    local window shown key
    settled() {  # the same for half a second
        shown=$(import -window "$window" png:- | md5sum) && sleep 0.5 &&
            [ "$(import -window "$window" png:- | md5sum)" = "$shown" ]
    }
    eval "$1" &
    for key in "${@:2}"; do
        window=$(window_of 'nstallazione di Velkiro') && waited 20 settled
        xdotool key "$key"
    done
    wait $!
}

# What is installed afterwards: nothing; an install of a scope in a folder;
# or, while Velkiro runs, what was there before.
nothing() {
    local leftovers
    leftovers=$(find "$c" -iname '*velkiro*' -o -iname "*$vendor*" -o -iname '~nsu*' -o \
            -iname 'ns*.cmd'
        for hive in HKCU HKLM; do
            rm -f "$scratch/$hive.reg"
            timeout 60 wine reg export "$hive\\Software" "$scratch/$hive.reg" /y &>/dev/null ||
                echo "no export of $hive: status $?"
            iconv -f UTF-16 "$scratch/$hive.reg" | grep -i -E "velkiro|$vendor"
        done)
    [ -z "$leftovers" ] || { echo "left behind:" && echo "$leftovers" && return 1; }
}
installed() {  # SCOPE FOLDER
    local root=HKCU name=Velkiro switch=/CurrentUser folder=${folders[$2]} windows kib
    [ "$1" = all ] && root=HKLM name="Velkiro (per tutti gli utenti)" switch=/AllUsers
    windows=$(winepath -w "$folder")
    kib=$(find "$folder" -type f -printf '%s\n' | awk '{ s += $1 } END { print int(s / 1024) }')
    diff <(ls "${links[$1]}/Microsoft/Windows/Start Menu/Programs/Velkiro") \
        <(printf '%s\n' "Disinstalla $name.lnk" "$name.lnk") &&
        diff <(cd "$folder" && find . -type f | sort) \
            <( (cd "$staged" && find . -type f && echo ./Uninstall.exe) | sort) &&
        cmp "$folder/velkiro.exe" "$staged/velkiro.exe" &&  # the zip's own bytes
        [ "$(timeout 60 wine reg query "$root\\$entries" | grep -c -i velkiro)" = 1 ] &&  # 1 entry
        # reg writes in the console's OEM code page, 850 with Italian settings.
        timeout 60 wine reg query "$root\\$entries\\Velkiro" | iconv -f CP850 | tr -d '\r' |
        sed -nE 's/^ +([A-Za-z]+) +REG_[A-Z_]+ +/\1 /p' | sort | diff - <(sort <<EOT
DisplayIcon $windows\\velkiro.exe
DisplayName $name
DisplayVersion $version
EstimatedSize $(printf '0x%x' "$kib")
InstallLocation $windows
NoModify 0x1
NoRepair 0x1
Publisher $vendor
QuietUninstallString "$windows\\Uninstall.exe" $switch /S _?=$windows
UninstallString "$windows\\Uninstall.exe" $switch _?=$windows
EOT
) && for exe in "$setup" "$folder/Uninstall.exe"; do
        strings -el "$exe" | grep -A1 -x -E 'Product(Name|Version)|CompanyName|LegalCopyright' |
            grep -v -- -- | paste -sd' ' | grep -q -F "ProductName Velkiro ProductVersion $version \
CompanyName $vendor LegalCopyright $copyright" || return 1
    done
}
files() { (cd "${folders[user]}" && find . -type f -exec sha256sum {} + | sort); }
kept() { [ "$(files)" = "$before" ] && kill -0 "$velkiro" && installed user user; }
earlier() { [ -f "${folders[user]}/platforms/qwindows.dll" ]; }

# An older version, 0.99, of the earlier layout with Qt's libraries beside
# the program: this installer, numbered so, over those files.
older=$scratch/older
mkdir -p "$older" && cp -r "$staged" "$older/stage" && mkdir "$older/stage/platforms"
echo 'a library of the earlier layout' |
    tee "$older/stage/Qt6Core.dll" >"$older/stage/platforms/qwindows.dll"
"$(dirname "$0")/../../packaging/windows/remove-list.sh" "$older/stage" >"$older/remove.nsh"
sed "s/\b$version\b/0.99/g" "$build/packaging/windows/velkiro.nsi" >"$older/velkiro.nsi"
makensis -V2 -DSTAGE="$older/stage" -DREMOVE="$older/remove.nsh" \
    -DOUTFILE="$scratch/setup-0.99.exe" "$older/velkiro.nsi" >/dev/null

# Each row: what it checks | the status | then: nothing, SCOPE FOLDER installed,
# kept (while Velkiro runs), or the earlier layout | the command.
passed=0
while IFS='|' read -r what status then command; do
    [[ $then == *kept* ]] && before=$(files)
    got=0
    eval "$command" &>>"${row_log:-/dev/null}" || got=$?
    [ "$got" = $((status % 256)) ] || { echo "$what: status $got, not $status" && exit 1; }
    # Uninstallers' copies of themselves end too, unless Velkiro runs.
    xdotool search --onlyvisible --name "$title" >/dev/null || timeout 60 wineserver -w
    [[ $then == *[a-z]\ [a-z]* ]] && then="installed $then"
    eval "$then" &>>"${row_log:-/dev/null}" || { echo "$what: not $then" && exit 1; }
    passed=$((passed + 1)) && echo "$passed. $what"
done <<'EOT'
refused on Windows 7             |1150| nothing     | on_windows win7 && setup /S
back on Windows 10               |   0| nothing     | on_windows win10
for the current user, by default |   0| user user   | setup /S
it starts and ends, copy kept    |   0| user user   | exits
its uninstaller, told /AllUsers  |   0| nothing     | from_folder user /AllUsers /S
for all users                    |   0| all all     | setup /S /AllUsers
its uninstaller, told nothing    |   0| nothing     | from_folder all /S
again, and Velkiro started       |   0| user user   | setup /S && start_velkiro
while it runs, no install        |  32| kept        | setup /S
nor the entry's quiet uninstall  |  32| kept        | quiet user
nor its uninstall, on screen     |  32| kept        | keys 'plain user' Return Escape
nor NSIS's copy, though with 0   |   0| kept        | from_folder user /S
once it ends, quiet uninstall    |   0| nothing     | stop_velkiro && quiet user
installed again                  |   0| user user   | setup /S
the entry's uninstall, on screen |   0| nothing     | keys 'plain user' Return Return
0.99 of the earlier layout       |   0| earlier     | older /S
this version over it: its files  |   0| user user   | setup /S
0.99 over this version, refused  |1638| user user   | older /S
into a folder of theirs, /D=     |   0| user custom | quiet user && setup /S /D=$custom
an update stays there            |   0| user custom | setup /S
on screen, the page offering it  |   0| user custom | keys setup Return Return Return&&stop_velkiro
the entry's quiet uninstall      |   0| nothing     | quiet user
for all users, a folder of theirs|   0| all custom  | setup /S /AllUsers /D=$custom
an update stays there            |   0| all custom  | setup /S /AllUsers
the entry's quiet uninstall      |   0| nothing     | quiet all
EOT
echo "The installer's life: $passed rows as expected"
