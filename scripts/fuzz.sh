#!/usr/bin/env bash
# Builds the libFuzzer harnesses (preset fuzz, build/fuzz) and runs each for SECONDS, one after
# the other, on a temporary copy of its seed corpus (fuzz/corpus/<harness>/ stays as it is):
#
#   scripts/fuzz.sh [SECONDS] [HARNESS...]     # 30 s each, every harness, by default
#
# Prints the executions each harness ran and their total. Fails when a harness finds a crash,
# a sanitizer report, a broken property, an input slower than 10 s or one that takes more than
# 2 GiB; the input is kept under build/fuzz/findings/<harness>/ and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
[ $# -gt 0 ] && shift
all=(fuzz_frame_reader fuzz_wire_variant fuzz_call_record fuzz_protocol_message
    fuzz_data_packet fuzz_delta_packet fuzz_change_log fuzz_form_data fuzz_argument_rules)
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")

# The longest input each harness is given: a few frames, packets or lines of form data;
# longer inputs only slow the search.
max_len() {
    case "$1" in
    fuzz_form_data) echo 8192 ;;
    fuzz_change_log | fuzz_argument_rules) echo 2048 ;;
    *) echo 4096 ;;
    esac
}

dictionary() {
    case "$1" in
    fuzz_frame_reader | fuzz_wire_variant | fuzz_call_record | fuzz_protocol_message)
        echo fuzz/dict/protocol.dict ;;
    fuzz_data_packet | fuzz_delta_packet | fuzz_change_log) echo fuzz/dict/packet.dict ;;
    *) echo "fuzz/dict/${1#fuzz_}.dict" ;;
    esac
}

./scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${harnesses[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
findings="$PWD/build/fuzz/findings"
total=0
failed=()
for harness in "${harnesses[@]}"; do
    mkdir -p "$work/$harness" "$findings/$harness"
    cp -r "fuzz/corpus/$harness" "$work/$harness/corpus"
    log="build/fuzz/$harness.log"
    options=(-max_total_time="$seconds" -max_len="$(max_len "$harness")" -rss_limit_mb=2048
        -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$harness/")
    dict="$(dictionary "$harness")"
    [ -f "$dict" ] && options+=(-dict="$dict")
    status=0
    "build/fuzz/bin/$harness" "${options[@]}" "$work/$harness/corpus" >"$log" 2>&1 || status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    # A run that ends on a finding prints no final stats: its last progress line counts.
    [ -z "$runs" ] && runs="$(sed -n 's/^#\([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)"
    runs="${runs:-0}"
    total=$((total + runs))
    if [ "$status" -eq 0 ]; then
        printf '%-24s %12d executions\n' "$harness" "$runs"
    else
        printf '%-24s %12d executions, FAILED (exit %d), log %s\n' "$harness" "$runs" "$status" "$log"
        grep -E 'ERROR|runtime error|fuzz property broken|SUMMARY' "$log" | head -n 5 || true
        sed -n 's/.*Test unit written to \(.*\)/  input: \1/p' "$log"
        failed+=("$harness")
    fi
done
printf '%-24s %12d executions in %d harnesses, %d s each\n' total "$total" "${#harnesses[@]}" "$seconds"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]}" >&2
    exit 1
fi
