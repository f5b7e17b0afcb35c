#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package orvane_<version>_<arch>.deb in build/ (set-up included):
#   ./package.sh
# then install it with:  sudo apt install ./build/orvane_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

orvane_install_packages
orvane_configure_and_build build
(cd build && cpack -G DEB)
ls -1 "$(pwd)"/build/orvane_*.deb
