#!/usr/bin/env bash
# Debian's checks of the built packages, as strict as they go: lintian at every level, with
# pedantic tags, fails on any tag the packages do not explain in an override; the desktop entry
# must validate; AppStream's pedantic validation may report information, nothing else. Prints
# every tool's findings.
#
#   check_package.sh PACKAGE_DIR
set -euo pipefail
packages=("$1"/*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for deb in "${packages[@]}"; do dpkg-deb -x "$deb" "$root"; done

status=0
echo "== lintian"
lintian --display-info --pedantic --display-experimental --fail-on error,warning,info,pedantic \
    --tag-display-limit 0 "${packages[@]}" || status=1
for entry in "$root"/usr/share/applications/*.desktop; do
    echo "== desktop-file-validate $(basename "$entry")"
    desktop-file-validate "$entry" || status=1
done
for metainfo in "$root"/usr/share/metainfo/*.xml; do
    echo "== appstreamcli validate --pedantic $(basename "$metainfo")"
    findings=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) || true
    echo "$findings"
    ! grep -E '^[EWP]: ' <<<"$findings" || status=1
done
exit $status
