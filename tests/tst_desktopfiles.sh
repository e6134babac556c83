#!/bin/sh
# The desktop entry and the AppStream data pass their standard validators.
# Exits 77 (skipped) when a validator is not installed.
# usage: tst_desktopfiles.sh DESKTOP_FILE METAINFO_FILE VERSION
set -eu

desktop=$1
metainfo=$2
version=$3
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

failed=0
desktop-file-validate "$desktop" || failed=$((failed + 1))
appstreamcli validate --no-net "$metainfo" || failed=$((failed + 1))
# The metainfo launches this very desktop entry.
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" \
    || { echo "FAIL: metainfo does not launch $(basename "$desktop")" >&2; failed=$((failed + 1)); }
# What software centres need to offer the program to families and schools:
# its licence, a rating for children, and this version among the releases.
for needed in '<project_license>GPL-3.0-or-later</project_license>' \
    '<content_rating type="oars-1.1"' "<release version=\"$version\""; do
    grep -qF "$needed" "$metainfo" \
        || { echo "FAIL: metainfo lacks $needed" >&2; failed=$((failed + 1)); }
done
echo "$((6 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
