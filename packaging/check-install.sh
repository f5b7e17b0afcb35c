#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a fresh prefix and checks it as a user would meet it:
#   check-install.sh BUILD_DIR APP_ID
# - the program, its help, the desktop entry, the icon and the AppStream data are in
#   the freedesktop places, and pass desktop-file-validate / appstreamcli when present;
# - the installed program runs, and keeps its settings in $XDG_CONFIG_HOME/orvane
#   although it could write into its own folder;
# - a program in a writable folder (as in the build tree) keeps them beside itself.
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-install-XXXXXX")
chmod 755 "$work"
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

for file in bin/orvane share/orvane/help/index.html \
            "share/applications/$app_id.desktop" \
            "share/metainfo/$app_id.metainfo.xml" \
            share/icons/hicolor/scalable/apps/orvane.svg; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
[ -x "$prefix/bin/orvane" ] || fail "bin/orvane is not executable"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
fi
grep -qx "Icon=orvane" "$prefix/share/applications/$app_id.desktop" || fail "desktop entry names another icon"
grep -q "^Exec=orvane " "$prefix/share/applications/$app_id.desktop" || fail "desktop entry starts another program"

# The installed command line works from anywhere.
result=$(cd / && "$prefix/bin/orvane" --eval "2*3^2") || fail "installed orvane --eval"
[ "$result" = "36" ] || fail "installed orvane --eval gave '$result'"

# Starts the window offscreen until the settings file $2 appears: the first start writes
# its defaults before anything else.
first_start() {
    local program=$1 settings=$2 home=$3
    local run=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config"
               XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run"
               QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}"
               LSAN_OPTIONS="${LSAN_OPTIONS:-}" "$program")
    "${run[@]}" >"$home/out.log" 2>&1 &
    local pid=$!
    started+=("$pid")
    local i
    for i in $(seq 1 600); do
        if [ -s "$settings" ] && grep -q "CreatShortCut=OK" "$settings"; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || { cat "$home/out.log" >&2; fail "$program ended early"; }
        sleep 0.1
    done
    cat "$home/out.log" >&2
    fail "$program wrote no settings to $settings"
}

make_home() {
    local home=$1
    mkdir -p "$home/.config" "$home/run"
    chmod 700 "$home/run"
}

# Installed: the program keeps its settings in the user's folder even where it may write
# beside itself (as root, or in a prefix the user owns).
home=$work/home-installed
make_home "$home"
first_start "$prefix/bin/orvane" "$home/.config/orvane/orvane.ini" "$home"
[ ! -e "$prefix/bin/orvane.ini" ] || fail "the installed program wrote into its own folder"

# Portable: a program in a writable folder keeps its settings beside it.
portable=$work/portable
mkdir -p "$portable"
cp "$build/src/app/orvane" "$portable/"
home=$work/home-portable
make_home "$home"
first_start "$portable/orvane" "$portable/orvane.ini" "$home"
[ ! -e "$home/.config/orvane/orvane.ini" ] || fail "the portable program wrote into the user's folder"

echo "install layout: ok ($prefix)"
