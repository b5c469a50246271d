#!/usr/bin/env bash
# The Windows downloads of BUILD (made by scripts/build-windows from the tree
# SOURCE): within their sizes, as SHA256SUMS says; velkiro.exe imports only
# libraries that Windows has (as Wine does, or API sets); BUILDINFO names the
# commit; and anyone who builds this commit gets the same bytes: a second
# clone, in a folder of another name and length, its files dated otherwise,
# built on its own.
#   downloads.sh SOURCE BUILD
tmp_in=$2 source "$(dirname "$0")/../lib.sh"
tree=$1
cd "$2"
source facts.sh  # version
zip=velkiro-$version-win64.zip setup=velkiro-$version-setup.exe
folder=downloads/velkiro-$version-win64
sha256sum --quiet -c SHA256SUMS
# Within a tenth above the downloads built from Qt 6.4.2 (9,486,602, 4,121,579 and 3,442,833).
too_large=$(find $folder/velkiro.exe -size +10435262c; find $zip -size +4533736c
    find $setup -size +3787116c)
[ -z "$too_large" ] || { echo "too large: $too_large"; exit 1; }
if x86_64-w64-mingw32-objdump -p $folder/velkiro.exe | sed -n 's/^\tDLL Name: //p' | tr A-Z a-z |
    sort | comm -23 - <(ls /usr/lib/x86_64-linux-gnu/wine/x86_64-windows | sort) | grep -v api-ms-
then
    echo "velkiro.exe imports the libraries above, which Windows does not have" && exit 1
fi
commit="commit $(git -C "$tree" rev-parse HEAD) (velkiro-$version-source.tar.gz)"
tr -d '\r' <$folder/BUILDINFO.txt | grep -q -x -F "$commit" || { echo "no $commit"; exit 1; }

git clone -q --no-hardlinks "$tree" "$tmp/another-checkout-of-velkiro"
cd "$tmp/another-checkout-of-velkiro"
find . -path ./.git -prune -o -exec touch -h -d '2001-02-03 04:05:06' {} +
timeout 1800 scripts/build-windows >/dev/null
diff "$2/SHA256SUMS" build-windows/SHA256SUMS
echo "The same bytes from a second clone"
