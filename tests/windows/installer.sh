#!/usr/bin/env bash
# The installer through an installed program's life, in a new Wine prefix
# with Italian settings, as a table: each row runs a command and expects its
# status (Wine passes on the lowest eight bits: 1638 arrives as 102) and what
# is installed afterwards.   installer.sh BUILD TITLE
source "$(dirname "$0")/../lib.sh"
build=$1 title=$2
source "$build/facts.sh"  # version, vendor
wine_prefix
setup=$build/velkiro-$version-setup.exe staged=$build/downloads/velkiro-$version-win64
custom='C:\Prove di installazione\Velkiro è già qui'
me=$c/users/${USER:-$(id -un)}/AppData  # as Wine names the user's folder
declare -A folders=([user]=$me/Local/Programs/Velkiro [all]="$c/Program Files/Velkiro"
    [custom]="$(winepath -u "$custom")") links=([user]=$me/Roaming [all]=$c/ProgramData) \
    roots=([user]=HKCU [all]=HKLM)
entries='Software\Microsoft\Windows\CurrentVersion\Uninstall'
start_x

# The commands. Each runs a Windows command line as typed at a command prompt
# (NSIS takes /D= and _?= unquoted, to the end of the line), through a script
# of cmd's own, as tools such as winget run an entry's strings.
query() { timeout 60 wine reg query "$@"; }
typed() {
    printf '@echo off\r\n%s\r\nexit %%errorlevel%%\r\n' "$*" | iconv -t CP850 >"$c/typed.cmd"
    timeout 120 script -qec 'wine cmd /c C:\\typed.cmd' /dev/null  # a terminal: no console window
}
setup() { typed "$(winepath -w "$setup")" "$@"; }
older() { typed "$(winepath -w "$tmp/setup-0.99.exe")" "$@"; }
from_folder() { typed "\"$(winepath -w "${folders[$1]}")\\Uninstall.exe\"" "${@:2}"; }
values() {  # SCOPE: the entry's values, a line each, as NAME VALUE
    # reg writes in the console's OEM code page, 850 with Italian settings.
    query "${roots[$1]}\\$entries\\Velkiro" | iconv -f CP850 | tr -d '\r' |
        sed -nE 's/^ +([A-Za-z]+) +REG_[A-Z_]+ +/\1 /p'
}
quiet() { typed "$(values "$1" | sed -n "s/^${2-Quiet}UninstallString //p")"; }
plain() { quiet "$1" ''; }
on_windows() { timeout 60 wine winecfg -v "$1"; }
start_velkiro() {
    wine "${folders[user]}/velkiro.exe" &>/dev/null & velkiro=$! && window_of "$title"
}
stop_velkiro() {
    xdotool windowactivate --sync "$(window_of "$title")" key alt+F4 && timeout 60 wineserver -w
}
# On screen: COMMAND's windows answered with these keys, each once the
# window has stayed the same for half a second.
keys() {
    local key
    shot() { import -window "$(window_of 'nstallazione di Velkiro')" png:- | md5sum; }
    settled() { local before && before=$(shot) && sleep 0.5 && [ "$(shot)" = "$before" ]; }
    eval "$1" &
    for key in "${@:2}"; do waited 20 settled && xdotool key "$key"; done
    wait $!
}

# What is installed afterwards: nothing; an install of a scope in a folder
# (files, links, one entry and its values); the earlier layout; or, kept, the
# install Velkiro runs from, untouched.
nothing() {
    local left
    left=$(find "$c" -iname '*velkiro*' -o -iname "*$vendor*" -o -iname '~nsu*' -o -iname 'ns*.cmd'
        for root in HKCU HKLM; do
            query "$root\\Software" /s | grep -a -i -E "velkiro|$vendor" ||
                [ "${PIPESTATUS[0]}" = 0 ] || echo "no query of $root"
        done)
    [ -z "$left" ] || { echo "left behind:" && echo "$left" && return 1; }
}
installed() {  # SCOPE FOLDER
    local name=Velkiro switch=/CurrentUser folder=${folders[$2]} in kib
    [ "$1" = all ] && name="Velkiro (per tutti gli utenti)" switch=/AllUsers
    in=$(winepath -w "$folder") kib=$(find "$folder" -type f -printf '%s\n' |
        awk '{ s += $1 } END { printf "0x%x", s / 1024 }')
    diff <(ls "${links[$1]}/Microsoft/Windows/Start Menu/Programs/Velkiro") \
        <(printf '%s\n' "Disinstalla $name.lnk" "$name.lnk") &&
        diff <(cd "$folder" && find . -type f | sort) \
            <( (cd "$staged" && find . -type f && echo ./Uninstall.exe) | sort) &&
        cmp "$folder/velkiro.exe" "$staged/velkiro.exe" &&  # the zip's own bytes
        [ "$(query "${roots[$1]}\\$entries" | grep -c -i velkiro)" = 1 ] &&
        diff <(values "$1" | sort) <(sort <<EOT
DisplayIcon $in\\velkiro.exe
DisplayName $name
DisplayVersion $version
EstimatedSize $kib
InstallLocation $in
NoModify 0x1
NoRepair 0x1
Publisher $vendor
QuietUninstallString "$in\\Uninstall.exe" $switch /S _?=$in
UninstallString "$in\\Uninstall.exe" $switch _?=$in
EOT
)
}
kept() { kill -0 "$velkiro" && installed user user; }
earlier() { [ -f "${folders[user]}/platforms/qwindows.dll" ]; }

# An older version, 0.99, of the earlier layout with Qt's libraries beside
# the program: this installer, numbered so, over those files.
cp -r "$staged" "$tmp/stage" && mkdir "$tmp/stage/platforms"
echo 'a library of the earlier layout' |
    tee "$tmp/stage/Qt6Core.dll" >"$tmp/stage/platforms/qwindows.dll"
"$(dirname "$0")/../../packaging/windows/remove-list.sh" "$tmp/stage" >"$tmp/remove.nsh"
for file in velkiro.nsi english.nsh italian.nsh; do
    sed "s/\b$version\b/0.99/g" "$build/packaging/windows/$file" >"$tmp/$file"
done
makensis -V2 -DSTAGE="$tmp/stage" -DREMOVE="$tmp/remove.nsh" \
    -DOUTFILE="$tmp/setup-0.99.exe" "$tmp/velkiro.nsi" >/dev/null

# Each row: what it shows | the status | what is installed then | the command.
passed=0
while IFS='|' read -r what status then command; do
    got=0
    eval "$command" &>>"${row_log:=$tmp/rows}" || got=$?
    [ "$got" = $((status % 256)) ] ||
        { echo "$what: status $got, not $status" && tail "$row_log" && exit 1; }
    # Uninstallers' copies of themselves end too, unless Velkiro runs.
    xdotool search --onlyvisible --name "$title" >/dev/null || timeout 60 wineserver -w
    [[ $then == *[a-z]\ [a-z]* ]] && then="installed $then"
    eval "$then" &>>"$row_log" || { echo "$what: not $then" && tail "$row_log" && exit 1; }
    echo "$((++passed)). $what"
done <<'EOT'
not on Windows 7        |1150| nothing     | on_windows win7 && setup /S
back on Windows 10      |   0| nothing     | on_windows win10
for the user, by default|   0| user user   | setup /S
its uninstaller, told   |   0| nothing     | from_folder user /AllUsers /S
for all users           |   0| all all     | setup /S /AllUsers
its uninstaller         |   0| nothing     | from_folder all /S
and Velkiro started     |   0| user user   | setup /S && start_velkiro
it runs: no install     |  32| kept        | setup /S
no quiet uninstall      |  32| kept        | quiet user
no uninstall on screen  |  32| kept        | keys 'plain user' Return Escape
its copy: 0, no change  |   0| kept        | from_folder user /S
ended: quiet uninstall  |   0| nothing     | stop_velkiro && quiet user
installed again         |   0| user user   | setup /S
uninstall on screen     |   0| nothing     | keys 'plain user' Return Return
0.99, earlier layout    |   0| earlier     | older /S
this version over it    |   0| user user   | setup /S
0.99 over it: refused   |1638| user user   | older /S
in a folder of theirs   |   0| user custom | quiet user && setup /S /D=$custom
an update stays there   |   0| user custom | setup /S
so on screen; it starts |   0| user custom | keys setup Return Return Return && stop_velkiro
quiet uninstall         |   0| nothing     | quiet user
for all, in theirs      |   0| all custom  | setup /S /AllUsers /D=$custom
an update stays there   |   0| all custom  | setup /S /AllUsers
quiet uninstall         |   0| nothing     | quiet all
EOT
echo "The installer's life: $passed rows as expected"
