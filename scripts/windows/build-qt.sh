# Sourced by scripts/build-windows: builds Qt for 64-bit Windows from Debian's
# own qt6-base source, once, into a cache outside the repository. The cache is
# kept while its stamp matches the options below; delete the folder to build
# it anew.

# Only what the program and its tests use: Core, Gui, Widgets, Test, and the
# Windows platform and style plugins, as static libraries, so that the program
# is one file. Wintab headers are not in Debian's source, and OpenGL is off.
# Compiled for size, in sections the program's link can drop; without the
# dialogs, main-window parts, document formats, calendars, time zones and
# image formats that nothing here shows or reads, and without the MIME
# database and regular expressions, which nothing here matches. Item views,
# tabs and the input dialog stay: the Windows style draws them. No software
# bill of materials: Qt 6.8 makes it only with the regular expressions' PCRE2.
# Text is laid out by GDI's font database and drawn, where Qt chooses it, by
# DirectWrite's engine, as Qt 6.4 did with MinGW: the rows of exceptions line
# up by DirectWrite's unhinted advances. Qt 6.8's own DirectWrite font
# database is left out. Without the compiler's hardening that Qt 6.8 turns
# on by default, as the downloads built from Qt 6.4 were: Intel's indirect
# branch marks, which Windows does not enforce; stack clash probes, which
# Windows' own stack probing makes redundant; and the stack protector, which
# alone would put velkiro.exe past its size (about 370 kB). Not link-time
# optimised: Qt's objects for MinGW are in the big-object COFF format, which
# GCC's linker plugin cannot read.
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
    -DFEATURE_regularexpression=OFF -DQT_GENERATE_SBOM=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_intelcet=OFF -DFEATURE_stack_clash_protection=OFF -DFEATURE_stack_protector=OFF
)

# The one Qt source the downloads are built from: Debian 13's qt6-base at
# this version, whose .dsc has this SHA-256 (dpkg-source then checks the
# tarballs the .dsc names). Another version, or other bytes, is refused.
qt_source_version=6.8.2+dfsg-9+deb13u2
qt_source_dsc_sha256=fd3d4e1ad5bb96dbdaf212f9edabf4dfc08b4f39b321e9325e9b5ab83826f1f8
qt_patches=scripts/windows/qt-patches

# fetch_qt_source DIR: the pinned source, unpacked into DIR/qt6-base, through
# an apt configuration of our own under DIR: a source index copied from the
# machine's own `deb` entries for its release (its own mirror or proxy
# serves it), with its lists and downloads kept there too. Nothing of the
# machine's apt changes, and no root is needed.
fetch_qt_source() {
    local dir=$1 release apt dsc
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$dir/apt/sources" "$dir/apt/lists/partial" "$dir/apt/archives/partial"
    # A machine may have either form alone: a file that is not there holds no entry.
    { cat /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } |
        awk -v release="$release" 'BEGIN { RS = ""; FS = "\n" } {
            deb = 0; ours = 0; stanza = ""
            for (i = 1; i <= NF; i++) {
                if ($i ~ /^#/) continue
                if ($i ~ /^Types:/) { deb = $i ~ /[ :]deb( |$)/; continue }
                if ($i ~ /^Suites:/) {
                    ours = (" " substr($i, 8) " ") ~ (" " release " ")
                    $i = "Suites: " release
                }
                stanza = stanza $i "\n"
            }
            if (deb && ours) printf "Types: deb-src\n%s\n", stanza
        }' >"$dir/apt/sources/debian.sources"
    { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
        sed -nE "s/^deb(\s.*\s$release\s)/deb-src\1/p" >"$dir/apt/sources/debian.list"
    if [ ! -s "$dir/apt/sources/debian.sources" ] && [ ! -s "$dir/apt/sources/debian.list" ]; then
        echo "apt's sources have no Debian $release entry to copy as deb-src" >&2
        return 1
    fi
    apt=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$dir/apt/sources"
        -o Dir::State="$dir/apt" -o Dir::State::Lists="$dir/apt/lists" -o Dir::Cache="$dir/apt"
        -o Dir::Cache::Archives="$dir/apt/archives" -o Dir::State::status=/var/lib/dpkg/status
        -o Debug::NoLocking=1 -o APT::Sandbox::User="$(id -un)")
    timeout 600 apt-get "${apt[@]}" -qq update
    (cd "$dir" && timeout 1800 apt-get "${apt[@]}" -qq source --download-only \
        "qt6-base=$qt_source_version" >/dev/null) || {
        echo "Debian's archive no longer offers qt6-base $qt_source_version, the source the" \
            "downloads are pinned to (scripts/windows/build-qt.sh)" >&2
        return 1
    }
    dsc=$dir/qt6-base_$qt_source_version.dsc
    if [ "$(sha256sum <"$dsc" | cut -d' ' -f1)" != "$qt_source_dsc_sha256" ]; then
        echo "Refusing qt6-base $qt_source_version: its .dsc is not the one the downloads are" \
            "pinned to (SHA-256 $qt_source_dsc_sha256)" >&2
        return 1
    fi
    # It cannot check the uploader's signature without Debian's keyring; the
    # pinned sum stands for it.
    timeout 600 dpkg-source --no-copy -x "$dsc" "$dir/qt6-base" >"$dir/dpkg-source.log" 2>&1 ||
        { cat "$dir/dpkg-source.log" >&2 && return 1; }
}

# The patches, in the order of their series, each named with the SHA-256 of
# what it changes (its description left out).
qt_patch_list() {
    local patch
    while read -r patch; do
        echo "$patch $(sed -n '/^--- /,$p' "$qt_patches/$patch" | sha256sum | cut -d' ' -f1)"
    done <"$qt_patches/series"
}

# build_windows_qt CACHE_DIR: leaves Qt installed in CACHE_DIR/qt, with the
# toolchain file it was built with (CACHE_DIR/qt/mingw-w64.cmake), the
# licence texts the libraries ship with (CACHE_DIR/qt/licenses), and what it
# was built from (CACHE_DIR/qt/velkiro-stamp: the source, the patches, the
# options).
build_windows_qt() {
    local cache=$1 toolchain=scripts/windows/mingw-w64.cmake patch
    # The same bytes wherever the cache is: no path of this machine in the
    # code (the prefix that static Qt keeps is a fixed one, and the
    # libraries are installed into the cache from there).
    local flags="-ffunction-sections -fdata-sections -ffile-prefix-map=$cache=/qt"
    local stamp
    stamp="qt6-base $qt_source_version, .dsc SHA-256 $qt_source_dsc_sha256
$(qt_patch_list | sed 's/^/patch /')
options ${qt_options[*]} $flags
toolchain $(sha256sum <"$toolchain" | cut -d' ' -f1)"
    if [ -f "$cache/qt/velkiro-stamp" ] && [ "$(cat "$cache/qt/velkiro-stamp")" = "$stamp" ]; then
        return 0
    fi
    echo "Building Qt for Windows into $cache/qt (about 30 minutes on two cores, once)"
    rm -rf "$cache/source" "$cache/build" "$cache/qt"
    mkdir -p "$cache/source" "$cache/qt/licenses"
    cp "$toolchain" "$cache/qt/mingw-w64.cmake"
    fetch_qt_source "$cache/source"
    local source=$cache/source/qt6-base
    while read -r patch; do
        patch -s -d "$source" -p1 <"$qt_patches/$patch"
    done <"$qt_patches/series"
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
