#!/usr/bin/env bash
# Builds Meridex and starts it. The program works in the per-user data folder
# ($MERIDEX_HOME, by default ~/.local/share/meridex), which it fills from
# data/ on every start with the files missing there; files already there are
# never overwritten.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/scripts/deps.sh"
meridex_install_deps

build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMERIDEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target meridex -j2
exec "$build/stage/bin/meridex" "$@"
