#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Orvane. Without a display it says so
# and draws a bundled example into a picture instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

orvane_install_packages
orvane_configure_and_build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # No screen to open the window on: draw a bundled example with the same plotter.
    picture="${TMPDIR:-/tmp}/orvane-example.png"
    echo "No display available: cannot open the Orvane window." >&2
    build/src/app/orvane --render examples/school-curves.fun --out "$picture"
    echo "Rendered examples/school-curves.fun instead: $picture"
    exit 0
fi
exec build/src/app/orvane "$@"
