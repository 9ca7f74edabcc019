#!/bin/sh
# Runs the fuzzers from their seed corpora. Build them first with
#   cmake --preset fuzz && cmake --build --preset fuzz
#
#   ./scripts/fuzz.sh [RUNS]                    each target for RUNS inputs
#                                               (default 20000; -1 runs until stopped)
#   ./scripts/fuzz.sh --minutes M [TARGET...]   a campaign of M minutes in all, shared
#                                               among the targets (all of them unless named);
#                                               prints each target's executions and findings
#
# Inputs that find a fault are kept in build/fuzz/findings/TARGET/; the
# corpora grow in build/fuzz/corpus/TARGET/.
set -eu
cd "$(dirname "$0")/.."
fuzz=build/fuzz
all_targets="uncompress_fuzzer uncompress_round_trip_fuzzer layout_fuzzer index_fuzzer bookmark_fuzzer
    search_match_fuzzer clipboard_fuzzer devmode_fuzzer registry_value_fuzzer search_text_fuzzer mark_glyphs_fuzzer"

# run_target TARGET OPTION...: one target from its corpus and seeds; the log
# goes to build/fuzz/TARGET.log.
run_target() {
    target=$1
    shift
    mkdir -p "$fuzz/corpus/$target" "$fuzz/findings/$target" "$fuzz/seeds/$target"
    "$fuzz/$target" -max_len=4096 -artifact_prefix="$fuzz/findings/$target/" "$@" \
        "$fuzz/corpus/$target" "$fuzz/seeds/$target" >"$fuzz/$target.log" 2>&1
}

# Executions: libFuzzer's closing "Done N runs", or its last status line.
executions() {
    done_line=$(grep -o 'Done [0-9]* runs' "$fuzz/$1.log" | tail -n 1 | cut -d' ' -f2)
    [ -n "$done_line" ] && { echo "$done_line"; return; }
    grep -o '^#[0-9]*' "$fuzz/$1.log" | tail -n 1 | tr -d '#'
}

if [ "${1:-}" = "--minutes" ]; then
    minutes=${2:?usage: fuzz.sh --minutes M [TARGET...]}
    shift 2
    targets=${*:-$all_targets}
    count=$(echo $targets | wc -w)
    seconds=$((minutes * 60 / count))
    status=0
    for target in $targets; do
        run_target "$target" -max_total_time="$seconds" -print_final_stats=1 || status=1
        findings=$(find "$fuzz/findings/$target" -type f | wc -l)
        echo "$target: $(executions "$target") executions in ${seconds} s, $findings findings"
    done
    exit $status
fi

runs=${1:-20000}
status=0
for target in $all_targets; do
    if run_target "$target" -runs="$runs"; then
        echo "$target: $(executions "$target") executions, no findings"
    else
        echo "$target: FAILED (see $fuzz/$target.log)"
        tail -n 20 "$fuzz/$target.log"
        status=1
    fi
done
exit $status
