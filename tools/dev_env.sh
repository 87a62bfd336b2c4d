# Shared set-up of ./test and ./run: packages, builds, the virtual display and the Wine prefix.
# Sourced, not run.

VELKOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELKOR_PACKAGES=(cmake ninja-build ccache g++ perl googletest libgtest-dev libbenchmark-dev libstb-dev
                 g++-mingw-w64-x86-64 mingw-w64-tools wine64 wine fonts-wine xvfb xdotool
                 imagemagick openssl osslsigncode clang-14 libclang-rt-14-dev)
WINE_LOADER=/usr/lib/wine/wine64

say() { printf '\n== %s\n' "$*"; }

# Installs only what is missing, so a warm machine pays nothing.
install_missing_packages() {
    local missing=()
    for package in "${VELKOR_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

build_preset() {
    local preset=$1
    say "Building $preset"
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"
}

# Starts Xvfb on the first free display number and exports DISPLAY; the screen is 1280x1024x24
# unless given.
start_virtual_display() {
    local screen=${1:-1280x1024x24} number=90
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
    VELKOR_XVFB_PID=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# The project's own Wine prefix inside the Windows build folder, created once, with Tahoma
# registered so that DirectWrite finds a font. Another folder and a screen DPI other than 96 make
# a second prefix, for the checks of a scaled screen.
prepare_wine_prefix() {
    export WINEPREFIX=${1:-"$VELKOR_ROOT/build/windows/wineprefix"}
    local dpi=${2:-96}
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if [ ! -f "$WINEPREFIX/.velkor-ready" ]; then
        say "Creating the Wine prefix"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$WINE_LOADER" wineboot --init >/dev/null 2>&1
        wineserver -w
        local fonts="$WINEPREFIX/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$fonts/"
        local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
        "$WINE_LOADER" reg add "$key" /v "Tahoma (TrueType)" /t REG_SZ /d tahoma.ttf /f >/dev/null 2>&1
        "$WINE_LOADER" reg add "$key" /v "Tahoma Bold (TrueType)" /t REG_SZ /d tahomabd.ttf /f >/dev/null 2>&1
        "$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.velkor-ready"
    fi
    # One persistent server for the whole session, so process starts do not pay its start.
    # Wine's background services start with the first program; starting them here, detached
    # from our output, keeps them from holding a test runner's pipes open.
    wineserver -p >/dev/null 2>&1 </dev/null
    "$WINE_LOADER" cmd /c exit >/dev/null 2>&1 </dev/null
}

stop_session() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "${VELKOR_XVFB_PID:-}" ]; then kill "$VELKOR_XVFB_PID" 2>/dev/null || true; fi
}
