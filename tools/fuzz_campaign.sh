#!/usr/bin/env bash
# The long fuzzing campaign: builds the fuzz preset and runs each target for the given seconds,
# one after the other, from its committed corpus and what earlier campaigns kept. Prints each
# target's executions and corpus size; exits non-zero when a target crashed, with the input kept
# beside its log under build/fuzz/campaign/<target>/.
# Usage: tools/fuzz_campaign.sh [seconds per target, default 600] [target ...]
set -uo pipefail
source "$(dirname "$0")/dev_env.sh"
cd "$VELKOR_ROOT"

seconds=${1:-600}
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(markup_parser version_detection theme_picture)

install_missing_packages || exit 1
build_preset fuzz || exit 1

summaries=()
failed=0
for target in "${targets[@]}"; do
    work=build/fuzz/campaign/$target
    mkdir -p "$work/corpus"
    say "Fuzzing $target for $seconds s"
    "build/fuzz/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/corpus" "tests/fuzz/corpus/$target" >"$work/log" 2>&1
    status=$?
    executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$work/log")
    corpus=$(grep -o 'corp: [0-9]*/[0-9]*[a-zA-Z]*' "$work/log" | tail -n 1)
    result="no finding"
    if [ "$status" -ne 0 ]; then
        result="FINDING, see $work/log"
        failed=1
    fi
    summaries+=("$target: ${executions:-?} executions, ${corpus:-corp: ?} (inputs/size), $result")
done

say "Summary"
printf '%s\n' "${summaries[@]}"
exit "$failed"
