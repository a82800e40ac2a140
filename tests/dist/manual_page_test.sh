#!/usr/bin/env bash
# The manual page formats without a warning from man (the check lintian makes).
#   manual_page_test.sh PAGE
set -euo pipefail
page=$1
if ! command -v man >/dev/null; then
  echo "man is not installed (Debian package man-db): skipped"
  exit 77
fi
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "FAIL: $page: $warnings"
  exit 1
fi
echo "manual page $(basename "$page"): no warnings"
