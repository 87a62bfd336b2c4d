#!/usr/bin/env bash
# The start-up benchmark (figures, not a test): the median time from starting a program under
# Wine to its first painted frame (the header band's colour on the screen), for the installer
# and for a minimal Direct2D program (the floor every Direct2D program pays here, since Wine
# draws Direct2D through software OpenGL). Building the installer window headless is timed by
# velkor_bench (BuildInstallerWindow).
#   tools/startup_bench.sh [runs]
set -uo pipefail
source "$(dirname "$0")/dev_env.sh"
cd "$VELKOR_ROOT"
runs=${1:-7}

install_missing_packages || exit 1
build_preset windows >/dev/null || exit 1
trap stop_session EXIT
start_virtual_display || exit 1
prepare_wine_prefix || exit 1

on_z() { printf 'Z:%s' "$(realpath "$1")" | tr / '\\'; }
probe=build/windows/bench/startup_probe.exe

say "VelkorInstaller.exe /UAC, to its first frame"
"$WINE_LOADER" "$probe" "$runs" "Velkor Plug-in for After Effects Installer" \
    "$(on_z build/windows/VelkorInstaller.exe)" /UAC
say "Minimal Direct2D program, to its first frame"
"$WINE_LOADER" "$probe" "$runs" "Minimal Direct2D" "$(on_z build/windows/bench/minimal_d2d.exe)"
