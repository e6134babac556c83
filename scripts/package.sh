#!/usr/bin/env bash
# Builds the Debian package build-package/ondalira_<version>_<arch>.deb and
# checks it with lintian, Debian's package checker: any error or warning
# fails the script.
# A build folder of its own keeps the packaged content pristine: nobody runs
# the program there, so its database holds only the default content.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lintian
# Files and folders of the package are readable by all whatever the caller's umask.
umask 022
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Debian's hardening: symbols resolved at start, relocations read-only.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" >/dev/null
cmake --build build-package -j"$(nproc)"
cd build-package
rm -f ondalira_*.deb
cpack -G DEB
deb=$(ls -1 "$PWD"/ondalira_*.deb)
lintian --display-info --fail-on error,warning "$deb"
echo "$deb"
