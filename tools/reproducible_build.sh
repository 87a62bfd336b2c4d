#!/usr/bin/env bash
# Builds VelkorInstaller.exe twice from one commit (HEAD by default), in two fresh clones in
# different folders and without the compiler cache, then checks that the two programs are
# byte-identical, carry no debug sections and name neither folder. Every object is compiled
# twice, so this takes minutes; ./test checks the cheap part, relinking the same objects.
#   tools/reproducible_build.sh [commit]
set -euo pipefail
source "$(dirname "$0")/dev_env.sh"
cd "$VELKOR_ROOT"
commit=$(git rev-parse "${1:-HEAD}")

install_missing_packages
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folders=("$work/first" "$work/second-clone")
for folder in "${folders[@]}"; do
    say "Building $commit in $folder"
    git clone -q "$VELKOR_ROOT" "$folder"
    git -C "$folder" checkout -q "$commit"
    (cd "$folder" && export CCACHE_DISABLE=1 && cmake --preset windows >/dev/null &&
        cmake --build --preset windows --target VelkorInstaller)
done

exe=build/windows/VelkorInstaller.exe
cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DEXE="${folders[0]}/$exe" -DTWIN="${folders[1]}/$exe" \
    -DFOLDERS="${folders[0]};${folders[1]}" -P tests/e2e/check_shipped_exe.cmake
say "Identical: $(stat -c %s "${folders[0]}/$exe") bytes, sha256 $(sha256sum "${folders[0]}/$exe" | cut -d' ' -f1)"
