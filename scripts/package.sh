#!/usr/bin/env bash
# Builds the Debian package build-package/ondalira_<version>_<arch>.deb.
# A build folder of its own keeps the packaged content pristine: nobody runs
# the program there, so its database holds only the default content.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
cd build-package
cpack -G DEB
ls -1 "$PWD"/ondalira_*.deb
