#!/bin/sh
# Builds one target of the win64 preset, its output appended to a log. A new
# build folder goes without the test suites (and GoogleTest); one the test
# command made keeps them.
#
#   build-target.sh LOG TARGET
set -eu
log=${1:?usage: build-target.sh LOG TARGET}
target=${2:?usage: build-target.sh LOG TARGET}
cd "$(dirname "$0")/.."
suites=-DVELMORA_TESTS=OFF
[ -f build/win64/CMakeCache.txt ] && suites=
./scripts/logged.sh "$log" cmake --preset win64 $suites
./scripts/logged.sh "$log" cmake --build --preset win64 --target "$target"
