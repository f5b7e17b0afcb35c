#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test (offscreen) through ctest.
#   ./test.sh              plain build in build/
#   ./test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

sanitize=0
case "${1:-}" in
    "") ;;
    --sanitize) sanitize=1 ;;
    -h | --help)
        echo "usage: ./test.sh [--sanitize]"
        exit 0
        ;;
    *)
        echo "usage: ./test.sh [--sanitize]" >&2
        exit 2
        ;;
esac

orvane_install_packages
export QT_QPA_PLATFORM=offscreen
if [ "$sanitize" -eq 1 ]; then
    build_dir=build-asan
    orvane_configure_and_build "$build_dir" -DORVANE_SANITIZE=ON
    orvane_sanitizer_options
else
    build_dir=build
    orvane_configure_and_build "$build_dir"
fi
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
