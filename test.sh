#!/usr/bin/env bash
# Builds Meridex with its tests and runs the whole test suite.
# Extra arguments go to CMake (e.g. -DMERIDEX_WERROR=ON -DMERIDEX_SANITIZE=ON);
# BUILD_DIR chooses the build directory (default build-test).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/scripts/deps.sh"
meridex_install_deps

build=${BUILD_DIR:-$root/build-test}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j2
cd "$build"
ctest --output-on-failure -j2
