#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need, when
# missing. Sourced by run.sh and test.sh.
set -euo pipefail

ORVANE_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
    fonts-wqy-microhei fonts-dejavu-core
    libmuparser-dev libbenchmark-dev libgif-dev libboost-dev libgsl-dev
    xvfb xauth openbox xdotool imagemagick
    desktop-file-utils appstream
    dpkg-dev file libxml2-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
    debhelper lintian devscripts
    python3-jsonschema
)

orvane_install_packages() {
    local missing=()
    local p
    for p in "${ORVANE_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

orvane_configure_and_build() {
    local build_dir="$1"; shift
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# Run-time settings of the sanitizers for the tests of an ORVANE_SANITIZE=ON build. Leaks
# that Qt's own libraries keep until exit are listed in tests/lsan.supp (third-party
# frames only).
orvane_sanitizer_options() {
    local root
    root=$(pwd)
    export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
}
