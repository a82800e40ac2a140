#!/usr/bin/env bash
# Installs the build into a temporary prefix with `cmake --install`, moves the
# tree elsewhere, and checks that everything is where the desktop looks for it.
#   installed_tree_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
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
echo "installed tree: complete, $sizes icon sizes"
