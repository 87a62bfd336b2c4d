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

installer=$(on_z build/windows/VelkorInstaller.exe)
minimal=$(on_z build/windows/bench/minimal_d2d.exe)
# One start of each in turn, so that the machine's drift during the run weighs on both alike.
first_frame() { "$WINE_LOADER" "$probe" 1 "$@" | sed -n 's/.*median: \(-\?[0-9]*\) ms.*/\1/p'; }
installer_times=() minimal_times=()
for run in $(seq "$runs"); do
    installer_times+=("$(first_frame "Velkor Plug-in for After Effects Installer" "$installer" /UAC)")
    minimal_times+=("$(first_frame "Minimal Direct2D" "$minimal")")
    echo "  run $run: installer ${installer_times[-1]} ms, minimal Direct2D ${minimal_times[-1]} ms"
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
say "Median time to the first frame (-1: no frame within the probe's wait)"
echo "  VelkorInstaller.exe /UAC: $(median "${installer_times[@]}") ms"
echo "  minimal Direct2D program: $(median "${minimal_times[@]}") ms"
