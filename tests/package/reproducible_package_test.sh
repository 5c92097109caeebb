#!/usr/bin/env bash
# The same commit gives the same packages, byte for byte: scripts/package run again on the
# package build tree makes packages identical to those it made before.
#
#   reproducible_package_test.sh BUILD_DIR PACKAGE_DIR
set -euo pipefail
build=$1
packages=$2
again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
"$(dirname "$0")/../../scripts/package" "$build" "$again" >/dev/null
status=0
for first in "$packages"/*.deb; do
    second=$again/$(basename "$first")
    if cmp -s "$first" "$second"; then
        echo "same: $(basename "$first")"
    else
        echo "differs: $(basename "$first")"
        diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") || true
        status=1
    fi
done
exit $status
