#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the binary packages (orvane and orvane-dbgsym) from a copy of the source tree:
#   build-package.sh SOURCE_DIR OUTPUT_DIR
# The copy goes to OUTPUT_DIR/orvane (always the same place, so that ccache finds its
# earlier compilations), dpkg-buildpackage -us -uc -b runs there and the .deb, .buildinfo
# and .changes files land in OUTPUT_DIR. DEB_BUILD_OPTIONS is passed through
# (nocheck: no tests built or run; parallel=N). ccache is used when it is installed.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
output=$(mkdir -p "$2" && cd "$2" && pwd)
tree=$output/orvane

# Only what belongs to the source: the files git knows (tracked or new, not ignored),
# or everything but build trees outside a checkout.
rm -rf "$tree"
mkdir -p "$tree"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # (a file deleted but not yet committed is left out)
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            [ ! -e "$file" ] || printf '%s\0' "$file"
        done | xargs -0 cp --parents -t "$tree" --)
else
    tar -C "$source_dir" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$tree" -xf -
fi
rm -f "$output"/orvane_*.deb "$output"/orvane-dbgsym_*.deb "$output"/orvane_*.buildinfo \
    "$output"/orvane_*.changes

# debhelper gives the build a home of its own, where ccache would find neither its
# settings nor its cache: name both.
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
    config=$(ccache -sv 2>/dev/null | sed -n "s/^Config file: *//p")
    [ -z "$config" ] || export CCACHE_CONFIGPATH=${CCACHE_CONFIGPATH:-$config}
fi

cd "$tree"
dpkg-buildpackage -us -uc -b >"$output/build.log" 2>&1 || {
    tail -n 60 "$output/build.log" >&2
    echo "dpkg-buildpackage failed; the whole log is in $output/build.log" >&2
    exit 1
}
ls -1 "$output"/orvane_*.deb "$output"/orvane-dbgsym_*.deb
