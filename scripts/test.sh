#!/bin/sh
# Builds everything and runs every test: the portable core natively under the
# sanitizers, the fuzzer for a bounded run, and the Windows suites under Wine.
# Prints each ctest summary and exits non-zero when anything failed.
set -u
cd "$(dirname "$0")/.."
./scripts/install-deps.sh || exit 1

status=0
step() {
    echo "== $*"
    "$@" || status=1
}

step cmake --preset native
step cmake --build --preset native
step ctest --preset native

step cmake --preset fuzz
step cmake --build --preset fuzz
step ./scripts/fuzz.sh 20000

step cmake --preset win64
step cmake --build --preset win64
step ctest --preset win64

if [ $status -eq 0 ]; then echo "All suites passed."; else echo "Some step FAILED."; fi
exit $status
