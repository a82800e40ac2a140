#!/usr/bin/env bash
# Installs the build into a temporary prefix with `cmake --install`, moves the
# tree elsewhere, checks that everything is where the desktop looks for it,
# and runs the moved program: its command line without a display, starts
# that find the shipped files and fill a fresh data folder from them, and a
# second start that hands over to the running program.
#   installed_tree_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
tmp=$(mktemp -d)
running=
trap '[ -z "$running" ] || kill -KILL "$running" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/first" >/dev/null
# The tree must not depend on the prefix it was installed to.
mv "$tmp/first" "$tmp/usr"
prefix=$tmp/usr

for f in bin/meridex share/meridex/kydafe.dat share/meridex/userpref.dat share/meridex/chklst.dat \
         share/meridex/custlst.dat share/meridex/Alarm1.wav share/meridex/help/index.html \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man1/meridex.1.gz \
         share/doc/meridex/copyright share/doc/meridex/changelog.gz share/doc/meridex/index.html; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/meridex" ] || fail "bin/meridex is not executable"
if find "$prefix/share/meridex" -name '*.md' | grep -q .; then fail "notes for developers installed"; fi
gzip -t "$prefix/share/man/man1/meridex.1.gz" "$prefix/share/doc/meridex/changelog.gz"

# Each PNG icon is as large as the folder it is in says (width and height
# are the big-endian words at bytes 16 and 20 of a PNG).
sizes=0
for png in "$prefix"/share/icons/hicolor/*x*/apps/"$id".png; do
  dir=$(basename "$(dirname "$(dirname "$png")")")
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "${w}x${h}" = "$dir" ] || fail "$png is ${w}x${h}"
  sizes=$((sizes + 1))
done
for need in 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${need}x${need}/apps/$id.png" ] || fail "no ${need} px icon"
done
# The metadata, launcher and icons agree as installed.
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate-tree --no-net "$tmp") || fail "appstreamcli validate-tree: $out"
else
  echo "appstreamcli is not installed: the installed metadata is not validated"
fi
echo "installed tree: complete, $sizes icon sizes"

meridex=$prefix/bin/meridex
# No display at all: the command line is read before the GUI exists.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@"; }
out=$(nodisplay "$meridex" --version) || fail "--version failed without a display"
[ "$out" = "Meridex $version" ] || fail "--version printed '$out'"
out=$(nodisplay "$meridex" --help) || fail "--help failed without a display"
[[ "$out" == "Usage: meridex [--help | --version]"* ]] || fail "--help printed '$out'"
status=0
err=$(nodisplay "$meridex" --no-such-option 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || fail "an unknown argument ended with status $status"
[[ "$err" == *'unknown argument "--no-such-option"'*"Usage: meridex"* ]] ||
  fail "an unknown argument printed '$err'"

# The preferences record with start-up view "z" selects no window: the
# program ends after its start-up (length-prefixed letters, then zeros).
quick_prefs() { { printf '\001z\001b'; head -c 85 /dev/zero; } >"$1"; }
mkdir -p "$tmp/run" && chmod 700 "$tmp/run"
start() {
  MERIDEX_HOME=$1 XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen timeout 60 "$meridex"
}

# A fresh data folder gets every shipped file; the user's own are kept.
home=$tmp/home
mkdir -p "$home"
quick_prefs "$home/userpref.dat"
cp "$home/userpref.dat" "$tmp/expected-prefs"
start "$home" || fail "the installed program did not start and end (status $?)"
for f in kydafe.dat chklst.dat custlst.dat Alarm1.wav Alarm2.wav help/index.html; do
  cmp -s "$prefix/share/meridex/$f" "$home/$f" || fail "$f was not copied into the data folder"
done
cmp -s "$tmp/expected-prefs" "$home/userpref.dat" || fail "the user's preferences were overwritten"
[ ! -e "$home/README.md" ] || fail "notes copied into the data folder"

# Without MERIDEX_HOME the data folder is the user's application data folder.
mkdir -p "$tmp/xdg/meridex"
quick_prefs "$tmp/xdg/meridex/userpref.dat"
env -u MERIDEX_HOME XDG_DATA_HOME=$tmp/xdg XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen \
  timeout 60 "$meridex" || fail "the start in the default data folder failed"
[ -f "$tmp/xdg/meridex/kydafe.dat" ] || fail "the default data folder is not \$XDG_DATA_HOME/meridex"
echo "installed program: command line without a display, starts in fresh data folders"

# A running program (the shipped preferences show the city list) and a second
# start for the same data folder, which hands over and ends.
home=$tmp/home2
MERIDEX_HOME=$home XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen "$meridex" \
  >"$tmp/first.log" 2>&1 &
running=$!
for _ in $(seq 300); do
  ls "$tmp"/run/meridex-* 2>/dev/null | grep -qv '\.lock$' && break
  kill -0 "$running" 2>/dev/null || fail "the first start ended: $(cat "$tmp/first.log")"
  sleep 0.1
done
out=$(start "$home") || fail "the second start failed: $out"
[[ "$out" == "Meridex is already running with the data folder \"$home\""* ]] ||
  fail "the second start did not hand over: '$out'"
kill -0 "$running" 2>/dev/null || fail "the first program ended when the second started"

# After a crash, the lock and socket left behind do not stop the next start.
kill -KILL "$running"
wait "$running" 2>/dev/null || true
running=
quick_prefs "$home/userpref.dat"
out=$(start "$home") || fail "the start after a crash failed: $out"
[ -z "$out" ] || fail "the start after a crash did not run the program: '$out'"
echo "installed program: a second start hands over; a crashed program's lock is taken over"
