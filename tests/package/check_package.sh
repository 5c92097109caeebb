#!/usr/bin/env bash
# Debian's checks of the built package: lintian shows no errors, the desktop entry and the
# AppStream metadata validate. Prints every tool's findings.
#
#   check_package.sh PACKAGE.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

status=0
echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" || status=1
for entry in "$root"/usr/share/applications/*.desktop; do
    echo "== desktop-file-validate $(basename "$entry")"
    desktop-file-validate "$entry" || status=1
done
for metainfo in "$root"/usr/share/metainfo/*.xml; do
    echo "== appstreamcli validate $(basename "$metainfo")"
    appstreamcli validate --no-net "$metainfo" || status=1
done
exit $status
