#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ondalira on its default content.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No graphical display found: start Ondalira from a desktop session." >&2
    echo "(It is built in build/Ondalira/ondalira.)" >&2
    exit 1
fi
exec build/Ondalira/ondalira "$@"
