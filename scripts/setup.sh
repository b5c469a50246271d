# Sourced by scripts/run and scripts/test: installs what is missing from
# Debian's packages, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# What building, running and testing need on a bare Debian 12 or 13, and the
# benchmarks where VELKIRO_BENCHMARKS=ON asks for them (CI does).
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    locales
)
[ "${VELKIRO_BENCHMARKS:-}" != ON ] || packages+=(libbenchmark-dev)
# What only the tests need: packaging checks, the sanitizer and fuzzing
# build (clang), static analysis, a Wayland compositor inside Xvfb, on X11
# a window manager, Cinnamon's clipboard manager and a reader, a session
# bus, GNOME's settings with the desktop portal that tells them, and a way
# to read the screen's colours.
test_packages=(
    desktop-file-utils appstream dpkg-dev file lintian
    clang libclang-rt-dev clang-tidy
    weston qt6-wayland xvfb x11-utils xdotool openbox cinnamon-settings-daemon xclip dbus
    xdg-desktop-portal xdg-desktop-portal-gtk gsettings-desktop-schemas dconf-gsettings-backend
    libglib2.0-bin fuse3 imagemagick
)

# The Windows build: the cross compiler, Debian's tools to fetch and patch
# Qt's source, NSIS and zip; and for its checks, Wine with its fonts in Xvfb
# under a window manager (xvfb-run, for the benchmark), a clipboard reader
# and a way to read the screen.
windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev dpkg-dev patch git
    nsis zip unzip wine wine64 fonts-wine xvfb xauth x11-utils xdotool openbox xclip imagemagick
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# release_sources DIR RELEASE: this machine's own apt entries for its
# release, as they stand, written into DIR for another release (its
# -updates and -security suites too): mmdebstrap then makes a root of that
# release from the machine's own mirror or proxy.
release_sources() {
    local dir=$1 target=$2 release file
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$dir"
    for file in $(grep -l -s -E "\\b$release\\b" /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources); do
        sed -E "s/\\b$release\\b/$target/g" "$file" >"$dir/$(basename "$file")"
    done
}

# Italian and English settings, for the checks that run the program as a
# user with them would.
ensure_locales() {
    local locale
    for locale in it_IT en_US; do
        locale -a | grep -qx "$locale.utf8" || as_root localedef -i $locale -f UTF-8 $locale.UTF-8
    done
}

# configure_and_build PRESET: one of CMakePresets.json's configurations. Its
# warnings stop the build only where the environment's VELKIRO_WERROR asks
# it, as .ci/run does: a newer compiler or library never stops a user's build.
configure_and_build() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}
