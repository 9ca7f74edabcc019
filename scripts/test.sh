#!/bin/sh
# Builds everything and runs every test: the portable core natively under the
# sanitizers, each fuzz target for a bounded run, the Windows suites under
# Wine (the installer's among them), the README's packaging command, and its
# run command once in a throwaway home without a display, whose screenshot
# must show the reader. Prints each summary and exits non-zero when anything
# failed.
set -u
cd "$(dirname "$0")/.."
./scripts/install-deps.sh test || exit 1

status=0
step() {
    echo "== $*"
    "$@" || status=1
}

# The run command as a new user meets it: a fresh home (so a new Wine
# prefix), no display, everything bounded in time.
run_in_fresh_home() {
    home=$(mktemp -d)
    rm -f build/screenshot.png
    HOME="$home" timeout 900 env -u DISPLAY -u WINEPREFIX ./scripts/run.sh
    result=$?
    HOME="$home" WINEPREFIX="$home/.wine" timeout 30 wineserver -k >/dev/null 2>&1
    rm -rf "$home"
    [ $result -eq 0 ] && ./scripts/check-screenshot.sh build/screenshot.png
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
step ./scripts/package.sh

step run_in_fresh_home

if [ $status -eq 0 ]; then echo "All suites passed."; else echo "Some step FAILED."; fi
exit $status
