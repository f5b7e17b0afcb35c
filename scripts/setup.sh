#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when
# missing. Sourced by run.sh and test.sh.
set -euo pipefail

ORVANE_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
    fonts-wqy-microhei fonts-dejavu-core
    libmuparser-dev libbenchmark-dev
    xvfb xauth openbox xdotool imagemagick
    desktop-file-utils appstream
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
