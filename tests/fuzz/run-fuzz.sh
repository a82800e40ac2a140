#!/usr/bin/env bash
# Builds the fuzz targets of the program's own files and of the conversion
# window's number reader with clang (address and undefined sanitizers) in
# BUILD_DIR and runs each for SECONDS, seeded with the shipped files; fails on
# any crash, sanitizer report, timeout or out-of-memory (the failing input is
# saved in BUILD_DIR as <target>-crash-*, -timeout-* or -oom-*).
#   tests/fuzz/run-fuzz.sh BUILD_DIR [SECONDS]
# Needs clang and its runtime libraries (Debian: clang libclang-rt-14-dev).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
build_dir="${1:?usage: run-fuzz.sh BUILD_DIR [SECONDS]}"
seconds="${2:-30}"

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERIDEX_BUILD_FUZZ=ON -DMERIDEX_SANITIZE=ON >/dev/null
targets=(city_database_fuzz custom_list_fuzz hot_list_fuzz preferences_fuzz number_reader_fuzz
  globe_profile_fuzz)
cmake --build "$build_dir" --target "${targets[@]}" -j2

# The seeds: the shipped file each target stands for; the number reader's
# are the texts of tests/fuzz/number-seeds (first byte: the field).
declare -A seed=([city_database_fuzz]=kydafe.dat [custom_list_fuzz]=custlst.dat
  [hot_list_fuzz]=chklst.dat [preferences_fuzz]=userpref.dat [globe_profile_fuzz]=tglobe.prf)
for target in "${targets[@]}"; do
  corpus="$build_dir/fuzz-corpus/$target"
  mkdir -p "$corpus"
  if [[ -n "${seed[$target]:-}" ]]; then
    cp "$source_dir/data/${seed[$target]}" "$corpus/shipped-${seed[$target]}"
  else
    cp "$here"/number-seeds/* "$corpus/"
  fi
  echo "== $target, ${seconds}s"
  log="$build_dir/$target.log"
  status=0
  "$build_dir/tests/fuzz/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$build_dir/$target-" -print_final_stats=1 "$corpus" >"$log" 2>&1 ||
    status=$?
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^SUMMARY|ERROR|^Done" "$log" || true
  if [[ $status -ne 0 ]]; then
    tail -40 "$log"
    exit 1
  fi
done
