#!/usr/bin/env bash
# The launcher passes desktop-file-validate without a warning and names the
# program, icon and window class the program really has.
#   desktop_entry_test.sh DIST_DIR APP_ID
set -euo pipefail
dist=$1 id=$2
desktop=$dist/$id.desktop
fail() { echo "FAIL: $*"; exit 1; }

if ! command -v desktop-file-validate >/dev/null; then
  echo "desktop-file-validate is not installed (Debian package desktop-file-utils): skipped"
  exit 77
fi
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', the icon is installed as $id"
[ "$(key Exec)" = meridex ] || fail "Exec is '$(key Exec)', the program is meridex"
# Qt names the window class after the application name, which is the
# program's name.
[ "$(key StartupWMClass)" = meridex ] || fail "StartupWMClass is '$(key StartupWMClass)'"
echo "desktop entry $id.desktop: valid"
