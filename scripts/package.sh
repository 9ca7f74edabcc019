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
./scripts/build-target.sh "$log" installer
for file in build/win64/package/Velmora-*.msi build/win64/package/Velmora-*.zip; do
    echo "Built $file"
done
