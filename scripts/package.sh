#!/bin/sh
# Builds what a Windows user downloads: the installer Velmora-VERSION.msi
# (made by wixl) and the portable Velmora-VERSION.zip, both in
# build/win64/package. The tools' output goes to build/logs/package.log.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh package
log=build/logs/package.log
mkdir -p build/logs
: >"$log"
echo "Building the installer and the portable zip (log: $log)..."
# A new build folder goes without the suites; one the test command made keeps them.
suites=-DVELMORA_TESTS=OFF
[ -f build/win64/CMakeCache.txt ] && suites=
./scripts/logged.sh "$log" cmake --preset win64 $suites
./scripts/logged.sh "$log" cmake --build --preset win64 --target installer
for file in build/win64/package/Velmora-*.msi build/win64/package/Velmora-*.zip; do
    echo "Built $file"
done
