#!/usr/bin/env bash
# Builds the Debian package build/ondalira_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
cpack -G DEB
ls -1 "$PWD"/ondalira_*.deb
