#!/usr/bin/env bash
# The Windows downloads of BUILD (made by scripts/build-windows from the tree
# SOURCE): within their sizes, as SHA256SUMS says; velkiro.exe imports only
# Windows' own libraries; BUILDINFO names the commit and the version of every
# tool that made them; and anyone who builds this commit gets the same bytes:
# a second clone, in a folder of another name and length with its files
# dated otherwise, built on its own, gives the same SHA256SUMS.
#   downloads.sh SOURCE BUILD
scratch_in=$2 source "$(dirname "$0")/../lib.sh"
tree=$1 build=$2
source "$build/facts.sh"  # version
cd "$build"
sha256sum --quiet -c SHA256SUMS
for limit in velkiro-$version-win64.zip:4500000 velkiro-$version-setup.exe:4500000 \
    downloads/velkiro-$version-win64/velkiro.exe:10000000; do
    size=$(stat -c %s "${limit%:*}")
    ((size <= ${limit#*:})) || { echo "${limit%:*}: $size bytes, over ${limit#*:}" && exit 1; }
done

imports=$(x86_64-w64-mingw32-objdump -p downloads/velkiro-$version-win64/velkiro.exe |
    sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort)
own='kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|uxtheme'
own+='|dwmapi|version|shlwapi|shcore|dwrite|setupapi|wtsapi32|userenv|netapi32|mpr|d3d9|d3d11'
own+='|d3d12|dxgi|dcomp|d3dcompiler_47|authz|rpcrt4|comctl32|msvcrt|api-ms-win-[a-z0-9-]+'
grep -q -x kernel32.dll <<<"$imports" && ! grep -v -x -E "($own)\.dll" <<<"$imports" ||
    { echo "velkiro.exe imports more than Windows' own libraries: $imports" && exit 1; }

buildinfo=$(tr -d '\r' <downloads/velkiro-$version-win64/BUILDINFO.txt)
commit="commit $(git -C "$tree" rev-parse HEAD) (velkiro-$version-source.tar.gz)"
grep -q -x "$commit" <<<"$buildinfo" || { echo "BUILDINFO.txt does not say: $commit" && exit 1; }
for package in g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev nsis zip
do
    packaged=$(dpkg-query -W -f='${Version}' $package)
    grep -q -x "Debian 12 package $package $packaged" <<<"$buildinfo" ||
        { echo "BUILDINFO.txt does not name $package $packaged" && exit 1; }
done

second=$scratch/another-checkout-of-velkiro
git clone -q --no-hardlinks "$tree" "$second"
find "$second" -path "$second/.git" -prune -o -exec touch -h -d '2001-02-03 04:05:06' {} +
(cd "$second" && timeout 1800 scripts/build-windows >/dev/null)
diff SHA256SUMS "$second/build-windows/SHA256SUMS"
echo "A second clone of this commit, built on its own: the same bytes; $(du -h --apparent-size \
    velkiro-$version-win64.zip velkiro-$version-setup.exe | tr '\t\n' '  ')"
