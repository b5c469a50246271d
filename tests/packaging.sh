#!/usr/bin/env bash
# Checks of what gets installed and shipped, with Debian's tools: packaging.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source "$build/facts.sh"  # version, app_id

desktop-file-validate "$build/packaging/linux/$app_id.desktop"
# Velkiro has no homepage to name, so AppStream 1.0's warning that none is
# named is the one objection allowed (a tag that earlier validators lack,
# where the package then carries no override of lintian's, which runs the
# same validator).
allowed=() override=()
if [ "$(appstreamcli --version | grep -o -E '[0-9]+' | head -1)" -ge 1 ]; then
    allowed=(--override=url-homepage-missing=info) override=(share/lintian/overrides/velkiro)
fi
appstreamcli validate --no-net "${allowed[@]}" "$build/packaging/linux/$app_id.metainfo.xml"
# The package, made by the install rules, holds exactly these files under
# /usr, recommends Qt's Wayland platform, and lintian finds nothing in it, to
# its pedantic tags (a search path of the program's own, RPATH or RUNPATH, is
# one of its errors; a program bound lazily, without full RELRO, one of its
# hardening warnings).
(cd "$build" && cpack -G DEB >/dev/null)
deb=$build/velkiro_${version}_amd64.deb
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"
[ "$(dpkg-deb --field "$deb" Recommends)" = qt6-wayland ]
files=(bin/velkiro share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml
    share/man/man1/velkiro.1.gz share/doc/velkiro/{copyright,changelog.gz}
    share/icons/hicolor/{scalable/apps/$app_id.svg,{16,32,48,64,128,256}/apps/$app_id.png}
    "${override[@]}")
diff <(printf './usr/%s\n' "${files[@]}" | sed -E 's|/([0-9]+)/|/\1x\1/|' | sort) \
    <(dpkg-deb --contents "$deb" | awk '!/^d/ { print $6 }' | sort)
