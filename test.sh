#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (offscreen) through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

orvane_install_packages
orvane_configure_and_build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
