#!/usr/bin/env bash
# Builds the layer-file fuzz target with clang (address and undefined
# sanitizers) in BUILD_DIR and runs it for SECONDS; fails on any crash,
# sanitizer report, timeout or out-of-memory (the failing input is saved in
# BUILD_DIR as crash-*, timeout-* or oom-*). Seeded with the shipped layer
# files (their first 64 KB) as well as the small ones beside this script, and
# trying inputs of every length up to 64 KB from the start.
#   tests/globe/fuzz/run-fuzz.sh BUILD_DIR [SECONDS]
# Needs clang and its runtime libraries (Debian: clang libclang-rt-14-dev).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(cd "$here/../../.." && pwd)"
build_dir="${1:?usage: run-fuzz.sh BUILD_DIR [SECONDS]}"
seconds="${2:-60}"

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERIDEX_BUILD_FUZZ=ON -DMERIDEX_SANITIZE=ON >/dev/null
cmake --build "$build_dir" --target globe_layer_fuzz -j2

corpus="$build_dir/globe-layer-corpus"
mkdir -p "$corpus"
"$build_dir/tests/globe/fuzz/globe_layer_fuzz" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -len_control=0 -artifact_prefix="$build_dir/" -print_final_stats=1 \
  "$corpus" "$here/seeds" "$source_dir/data/maps"
