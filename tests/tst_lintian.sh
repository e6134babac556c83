#!/bin/sh
# Debian's package checker finds no error and no warning in the built
# package. Building the package takes minutes, so this checks the one that
# scripts/package.sh left behind; exits 77 (skipped) when there is none or
# lintian is not installed.
# usage: tst_lintian.sh PACKAGE_DIR VERSION
set -eu

dir=$1
version=$2
if ! command -v lintian >/dev/null 2>&1; then
    echo "SKIP: lintian is not installed"
    exit 77
fi
deb=
for f in "$dir"/ondalira_"$version"_*.deb; do
    [ -f "$f" ] && deb=$f
done
if [ -z "$deb" ]; then
    echo "SKIP: no package ondalira_${version}_*.deb in $dir (bash scripts/package.sh builds it)"
    exit 77
fi

echo "lintian $deb"
# Informational tags are shown too; only errors and warnings fail.
lintian --display-info --fail-on error,warning "$deb"
