#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from debian/ with dpkg-buildpackage (set-up included):
#   ./package.sh                            orvane and orvane-dbgsym in build/package/
#   DEB_BUILD_OPTIONS=nocheck ./package.sh  the same without building and running the tests
# then install it with:  sudo apt install ./build/package/orvane_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

orvane_install_packages
case " ${DEB_BUILD_OPTIONS:-} " in
    *" parallel="*) ;;
    *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
packaging/build-package.sh . build/package
