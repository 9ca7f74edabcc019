#!/bin/sh
# Builds the benchmark programs and runs them: the portable ones natively
# (optimised, without sanitizers), the rest under Wine in the win64 build's
# private prefix and display. Prints one table; times are in milliseconds. The
# start-up benchmark starts each program once before it times it, and closes
# with the ratio of the two medians.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh test

mkdir -p build
log=build/bench-build.log
: >"$log"
quiet() {
    "$@" >>"$log" 2>&1 || { echo "FAILED: $* (see $log)" >&2; tail -n 20 "$log" >&2; exit 1; }
}

echo "Building the benchmarks (log: $log)..."
native_benches="layout_bench picker_layout_bench search_bench export_bench"
windows_benches="view_bench picker_bench font_bench startup_bench search_ui_bench copy_bench print_bench"
quiet cmake --preset native
quiet cmake --build --preset native --target $native_benches
quiet cmake --preset win64
quiet cmake --build --preset win64 --target $windows_benches Velmora

suite=tests/wine/suite.sh
win=build/win64
quiet $suite start $win
trap '$suite stop $win >/dev/null 2>&1 || true' EXIT

echo
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
     "load average $(cut -d' ' -f1-3 /proc/loadavg); $(wine --version 2>/dev/null || echo 'wine ?')"
printf '%-46s %5s %11s %11s %11s\n' "Measured (ms)" runs median min max
for bench in $native_benches; do build/native/$bench; done
# The print benchmark writes to the PDF queue.
tests/output/pdf_queue.sh start >/dev/null
for bench in $windows_benches; do $suite run $win $win/$bench.exe; done
