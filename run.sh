#!/usr/bin/env bash
# Installs what is missing, builds and starts Orvane. Without a display it says so
# and exits non-zero.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

orvane_install_packages
orvane_configure_and_build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display available: cannot open the Orvane window." >&2
    exit 1
fi
exec build/src/app/orvane "$@"
