# Sourced by run.sh and test.sh: installs the Debian packages that are missing.
# Usage: ensure_packages pkg...
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building and running the program needs, and what it uses where it
# is there: the X server's screen saver, for desktops with no screen saver
# service on the session bus.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
                fonts-dejavu-core fonts-dejavu-extra fonts-liberation)
OPTIONAL_PACKAGES=(pkg-config libxcb-screensaver0-dev)
# What the tests and the bench need besides: real windows under Xvfb, a
# window manager (openbox, with xprop to see it ready), the accessibility
# bus, a stand-in screen saver and the X server's one, the clipboard,
# pictures, fuzzing and sanitizers, the loudness measure, the X server's
# DAMAGE extension, the desktop entry and the AppStream description.
TEST_PACKAGES=(pkg-config xvfb xauth xdotool openbox x11-utils imagemagick xclip dbus-x11 at-spi2-core
               python3 python3-pyatspi python3-dbus libxss1 clang libclang-rt-dev libebur128-dev
               libxcb-damage0-dev
               desktop-file-utils appstream)

# Usage: configure_and_build build_dir [cmake option...]
# Prints only the build's progress, and nothing when nothing changed.
configure_and_build() {
    local build_dir=$1
    shift
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR="$PWD"
    fi
    local log
    log=$(cmake -S . -B "$build_dir" -G Ninja "${launcher[@]}" "$@" 2>&1) || { echo "$log" >&2; return 1; }
    cmake --build "$build_dir" | { grep -vx 'ninja: no work to do.' || true; }
}
