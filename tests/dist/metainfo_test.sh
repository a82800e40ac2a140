#!/usr/bin/env bash
# The AppStream metadata passes appstreamcli validate without a warning,
# launches the shipped desktop entry, names the project's version as its
# latest release, and shows screenshots that are in the repository.
#   metainfo_test.sh SOURCE_DIR APP_ID VERSION
set -euo pipefail
root=$1 id=$2 version=$3
metainfo=$root/dist/$id.metainfo.xml
fail() { echo "FAIL: $*"; exit 1; }

if ! command -v appstreamcli >/dev/null; then
  echo "appstreamcli is not installed (Debian package appstream): skipped"
  exit 77
fi
out=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) || fail "appstreamcli: $out"
echo "$out"

grep -q "<id>$id</id>" "$metainfo" || fail "the component id is not $id"
launchable=$(grep -o '<launchable type="desktop-id">[^<]*' "$metainfo" | sed 's/.*>//')
[ "$launchable" = "$id.desktop" ] || fail "launchable '$launchable' is not $id.desktop"
[ -f "$root/dist/$launchable" ] || fail "no desktop entry dist/$launchable"

latest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*="//; s/"//')
[ "$latest" = "$version" ] || fail "latest release is '$latest', the project is $version"

# Screenshots are named by their path in the repository, under the address
# where the repository is published.
images=$(grep -o '<image>[^<]*' "$metainfo" | sed 's/<image>//')
[ -n "$images" ] || fail "no screenshots"
for url in $images; do
  path=${url#https://example.org/meridex/}
  [ "$path" != "$url" ] || fail "screenshot $url is not under the repository's address"
  file=$root/$path
  [ -f "$file" ] || fail "screenshot $path is not in the repository"
  [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "screenshot $path is not a PNG"
  size=$(stat -c %s "$file")
  [ "$size" -le 400000 ] || fail "screenshot $path has $size bytes; keep it small"
done
echo "metainfo $id.metainfo.xml: valid, release $latest, screenshots present"
