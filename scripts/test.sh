#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# A throwaway PostgreSQL cluster for the run (its libpq variables set, the
# cluster removed afterwards): the store's tests run on both engines.
pg_virtualenv -t ctest --test-dir build --output-on-failure -j"$(nproc)"
