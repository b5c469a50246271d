# Sourced by scripts/test-windows: builds Qt for 64-bit Windows from Debian's
# own qt6-base source, once, into a cache outside the repository. The cache is
# kept while its stamp matches the options below; delete the folder to build
# it anew.

# Only what the program and its tests use: Core, Gui, Widgets, Test, and the
# Windows platform and style plugins, as static libraries, so that the program
# is one file. Wintab headers are not in Debian's source, and with OpenGL off
# Qt 6.4.2's dynamic GL code does not compile. Compiled for size, in sections
# the program's link can drop; without the dialogs, main-window parts,
# document formats, calendars, time zones and image formats that nothing
# here shows or reads, and without the MIME database and regular
# expressions, which nothing here matches. Item views, tabs and the input
# dialog stay: the Windows style draws them. DirectWrite and Direct2D stay:
# the rows of exceptions are drawn with DirectWrite's unhinted advances, and
# Qt 6.4.2 builds DirectWrite's font database only with Direct2D. Not
# link-time optimised: Qt's objects for MinGW are in the big-object COFF
# format, which GCC 12's linker plugin cannot read.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DFEATURE_optimize_size=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF
    -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_splashscreen=OFF -DFEATURE_wizard=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_undoview=OFF -DFEATURE_columnview=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_style_stylesheet=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_mimetype_database=OFF -DFEATURE_mimetype=OFF -DFEATURE_xmlstream=OFF
    -DFEATURE_filedialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_completer=OFF -DFEATURE_filesystemmodel=OFF
    -DFEATURE_mainwindow=OFF -DFEATURE_menubar=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_statusbar=OFF -DFEATURE_splitter=OFF -DFEATURE_textbrowser=OFF
    -DFEATURE_gestures=OFF -DFEATURE_scroller=OFF -DFEATURE_undocommand=OFF -DFEATURE_picture=OFF
    -DFEATURE_timezone=OFF -DFEATURE_hijricalendar=OFF -DFEATURE_jalalicalendar=OFF
    -DFEATURE_sha3_fast=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
    -DFEATURE_regularexpression=OFF
)

# apt-get source needs Debian's source index: the machine's own `deb` entries
# for its release, copied as `deb-src`, so its own mirror or proxy serves it.
add_source_index() {
    local release list=/etc/apt/sources.list.d/velkiro-deb-src.sources entries
    grep -rqs '^Types: deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d && return 0
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    entries=$(mktemp)
    {
        # A machine may have either form alone: a file that is not there holds no entry.
        { cat /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } |
            awk -v release="$release" 'BEGIN { RS = ""; FS = "\n" } {
                deb = 0; ours = 0; stanza = ""
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^#/) continue
                    if ($i ~ /^Types:/) { deb = $i ~ /[ :]deb( |$)/; continue }
                    if ($i ~ /^Suites:/) { ours = (" " substr($i, 8) " ") ~ (" " release " "); $i = "Suites: " release }
                    stanza = stanza $i "\n"
                }
                if (deb && ours) printf "Types: deb-src\n%s\n", stanza }'
        { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
            sed -nE "s/^deb(\s.*\s$release\s)/deb-src\1/p"
    } >"$entries"
    [ -s "$entries" ] || { echo "apt's sources have no Debian $release entry to copy as deb-src" >&2; return 1; }
    echo "Adding the source index of Debian $release, copied from apt's own entries"
    as_root install -m 644 "$entries" "$list"
    rm -f "$entries"
    as_root apt-get update -qq
}

# build_windows_qt CACHE_DIR: leaves Qt installed in CACHE_DIR/qt, with the
# toolchain file it was built with (CACHE_DIR/qt/mingw-w64.cmake) and the
# licence texts the libraries ship with (CACHE_DIR/qt/licenses).
build_windows_qt() {
    local cache=$1 toolchain=scripts/windows/mingw-w64.cmake patch=scripts/windows/qt-size.patch
    # The same bytes wherever the cache is: no path of this machine in the
    # code (the prefix that static Qt keeps is a fixed one, and the
    # libraries are installed into the cache from there).
    local flags="-ffunction-sections -fdata-sections -ffile-prefix-map=$cache=/qt"
    local stamp="qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev) ${qt_options[*]} $flags"
    stamp+=" $(md5sum <"$toolchain") $(md5sum <"$patch")"
    if [ -f "$cache/qt/velkiro-stamp" ] && [ "$(cat "$cache/qt/velkiro-stamp")" = "$stamp" ]; then
        return 0
    fi
    echo "Building Qt for Windows into $cache/qt (about 25 minutes on two cores, once)"
    rm -rf "$cache/source" "$cache/build" "$cache/qt"
    mkdir -p "$cache/source" "$cache/qt/licenses"
    cp "$toolchain" "$cache/qt/mingw-w64.cmake"
    add_source_index
    (cd "$cache/source" && apt-get source -qq qt6-base >/dev/null)
    local source=("$cache"/source/qt6-base-*/)
    patch -s -d "$source" -p1 <"$patch"
    cmake -S "$source" -B "$cache/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$cache/qt/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX=/qt \
        -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_options[@]}" >"$cache/configure.log"
    cmake --build "$cache/build" >"$cache/build.log" || { tail -40 "$cache/build.log"; return 1; }
    cmake --install "$cache/build" --prefix "$cache/qt" >/dev/null
    # LGPL-3.0 refers to the GPL-3.0; Debian's copyright file covers the
    # libraries bundled into Qt's (FreeType, HarfBuzz, PCRE2, libpng, zlib).
    cp "$source"/LICENSES/{LGPL-3.0-only,GPL-3.0-only}.txt "$cache/qt/licenses/"
    cp "$source"/debian/copyright "$cache/qt/licenses/qt6-base-copyright.txt"
    echo "$stamp" >"$cache/qt/velkiro-stamp"
    rm -rf "$cache/source" "$cache/build"
}
