#!/usr/bin/env bash
# Kills the city list's saves with SIGKILL at random moments, KILLS times
# (default 200), and after each kill starts again as the program does and
# checks that "custlst.dat" and "chklst.dat" are whole and belong together
# (every tick on the location it was given to). The saves are those of Add
# Location, Delete Location and Save Hot List (tests/app/city_lists_crash_driver).
#   scripts/kill-during-saves.sh [BUILD_DIR] [KILLS] [FOLDER]
# FOLDER (default: a new temporary folder) is where the files are written;
# give one on the disk to test, since the saves sync it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-test}"
kills="${2:-200}"
dir="${3:-$(mktemp -d)}"
cmake --build "$build_dir" --target city_lists_crash_driver -j2 >/dev/null
driver="$build_dir/tests/app/city_lists_crash_driver"

"$driver" setup "$dir"
finished=0
for ((i = 1; i <= kills; i++)); do
  "$driver" run "$dir" "$i" &
  pid=$!
  # Between 1 and 60 ms: inside the first saves or well into the run.
  sleep "0.0$(printf '%02d' $((RANDOM % 60 + 1)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ! result=$("$driver" check "$dir"); then
    echo "kill $i: the files are not whole or not in step (kept in $dir)" >&2
    exit 1
  fi
  [[ $result == *"interrupted pair save finished"* ]] && finished=$((finished + 1))
  last=$result
done
echo "$kills kills: the files were whole and in step after every one;" \
  "$finished times start-up finished an interrupted pair save; last: $last"
[[ -n "${3:-}" ]] || rm -rf "$dir"
