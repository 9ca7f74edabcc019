#!/bin/sh
# The long reliability runs under Wine, too slow for the test command:
#   ./scripts/soak.sh [CYCLES] [FIRST_SEED] [SEEDS]
# CYCLES start/exit cycles of the real program (default 1000), then SEEDS
# random runs of 2,000 steps (default 5) with the seeds FIRST_SEED,
# FIRST_SEED + 1, ... (default 1). Exits non-zero when any run failed.
set -eu
cd "$(dirname "$0")/.."
cycles=${1:-1000}
first_seed=${2:-1}
seeds=${3:-5}

./scripts/install-deps.sh test
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Velmora reliability_tests

suite=tests/wine/suite.sh
win=build/win64
$suite start $win
trap '$suite stop $win >/dev/null 2>&1 || true' EXIT
status=0
run() { $suite run $win $win/reliability_tests.exe --gtest_brief=1 "$@" || status=1; }

echo "== $cycles start/exit cycles"
VELMORA_START_CYCLES=$cycles run --gtest_filter='*RepeatedStarts*'
seed=$first_seed
while [ "$seed" -lt $((first_seed + seeds)) ]; do
    echo "== random run, seed $seed"
    VELMORA_MONKEY_SEED=$seed run --gtest_filter='*SeededRandomRun*'
    seed=$((seed + 1))
done
[ $status -eq 0 ] && echo "All runs passed." || echo "Some run FAILED."
exit $status
