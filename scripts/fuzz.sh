#!/bin/sh
# Runs the decoder's fuzzer from its seed corpus: ./scripts/fuzz.sh [RUNS]
# (default 20000; use -1 to run until stopped). Build it first with
#   cmake --preset fuzz && cmake --build --preset fuzz
set -eu
cd "$(dirname "$0")/.."
runs=${1:-20000}
corpus=build/fuzz/uncompress-corpus
mkdir -p "$corpus"
build/fuzz/uncompress_fuzzer -runs="$runs" -max_len=4096 "$corpus" build/fuzz/uncompress-seeds
