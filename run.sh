#!/usr/bin/env bash
# Builds Meridex and starts it in the per-user working directory
# ($MERIDEX_HOME, by default ~/.local/share/meridex), which is filled from
# data/ on first start. Files already there are never overwritten.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/scripts/deps.sh"
meridex_install_deps

build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMERIDEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target meridex -j2

home=${MERIDEX_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/meridex}
mkdir -p "$home"
cp -R -n "$root/data/." "$home/"
cd "$home"
exec "$build/stage/bin/meridex" "$@"
