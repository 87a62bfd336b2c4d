#!/usr/bin/env bash
# The installer on a screen at 150 %: a Wine prefix of its own at 144 DPI (made once, beside the
# usual one) and a virtual screen large enough for the scaled window.
#   at_150_percent.sh <velkor_e2e_tests.exe> <VelkorInstaller.exe>
set -uo pipefail
source "$(dirname "$0")/../../tools/dev_env.sh"
tests=$1
installer=$2

trap stop_session EXIT
start_virtual_display 2560x1600x24 || exit 1
prepare_wine_prefix "$VELKOR_ROOT/build/windows/wineprefix-144" 144 || exit 1
VELKOR_EXPECTED_DPI=144 VELKOR_INSTALLER_EXE=$(winepath -w "$installer" 2>/dev/null) \
    "$WINE_LOADER" "$tests" --gtest_filter='AtOneHundredFiftyPercent.*'
