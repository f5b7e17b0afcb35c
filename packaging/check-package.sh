#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a built tree and checks it as a school's technician
# would meet it:
#   check-package.sh BUILD_DIR VERSION APP_ID plain|sanitized
# - control fields, dependencies (computed Qt libraries plus font and translations) and
#   the file list; lintian without errors when lintian is installed;
# - the desktop entry, AppStream data and MIME type pass their validators;
# - the copy unpacked into a fresh root runs (--eval, --render on an example);
# - a MIME database built from the package alone maps *.fun (any case) to
#   application/x-orvane-fun and that type to the package's desktop entry.
# Exit status 77 (skipped) where dpkg-deb is missing and in sanitized builds.
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
app_id=$3
flavour=$4

if [ "$flavour" = sanitized ]; then
    echo "skipped: a sanitized build would package instrumented binaries; the plain build checks the package"
    exit 77
fi
if ! command -v dpkg-deb >/dev/null; then
    echo "skipped: dpkg-deb is missing, so no Debian package can be built here"
    exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (Debian package $2)"; }
need dpkg-shlibdeps dpkg-dev
need file file  # CPack finds the programs to hand to dpkg-shlibdeps with it
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need xmllint libxml2-utils
need update-mime-database shared-mime-info

work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

# --- build -----------------------------------------------------------------------
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out") \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
arch=$(dpkg --print-architecture)
deb=$work/out/orvane_${version}_${arch}.deb
[ -s "$deb" ] || { ls -l "$work/out"; fail "no orvane_${version}_${arch}.deb"; }

# --- control fields and dependencies -----------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orvane ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = math ] || fail "Section is '$(field Section)'"
field Maintainer | grep -q '<.*@.*>' || fail "Maintainer without an address"
depends=$(field Depends)
for dependency in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 \
                  libc6 libstdc++6 qt6-qpa-plugins qt6-translations-l10n \
                  "fonts-wqy-microhei | fonts-noto-cjk"; do
    case ", $depends," in
        *", $dependency"[\ ,]*) ;;
        *) fail "Depends lacks $dependency: $depends" ;;
    esac
done
description=$(field Description)
grep -q "mathematics toolbox" <<<"$description" || fail "no English description"
grep -q "奥维恩是为中学师生编写的数学工具箱" <<<"$description" || fail "no Chinese description"

# --- file list -----------------------------------------------------------------------
dpkg-deb -c "$deb" >"$work/contents"
awk '{ print $2 }' "$work/contents" | sort -u | grep -vx root/root \
    && fail "files not owned by root"
awk '{ print $6 }' "$work/contents" | sed 's|^\./||; s|/$||' | grep -v '^$' | sort >"$work/files"
grep -v '^usr\(/\|$\)' "$work/files" && fail "files outside /usr"
expected=(
    usr/bin/orvane
    usr/share/orvane/help/index.html
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/mime/packages/$app_id.xml"
    usr/share/icons/hicolor/scalable/apps/orvane.svg
    usr/share/icons/hicolor/scalable/mimetypes/application-x-orvane-fun.svg
    usr/share/man/man1/orvane.1.gz
    usr/share/man/zh_CN/man1/orvane.1.gz
    usr/share/doc/orvane/copyright
    usr/share/doc/orvane/changelog.gz
    usr/share/doc/orvane/examples/school-curves.fun
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/orvane.png"
               "usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-orvane-fun.png")
done
for file in "${expected[@]}"; do
    grep -qx "$file" "$work/files" || fail "the package lacks /$file"
done
# Only the program is executable; no test program or build helper slipped in.
grep -E '^-..x' "$work/contents" | awk '{ print $6 }' | grep -vx './usr/bin/orvane' \
    && fail "unexpected programs in the package"

if command -v lintian >/dev/null; then
    lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" \
        || fail "lintian reports errors"
else
    echo "note: lintian is not installed; its checks were left out"
fi

# --- unpacked into a fresh root --------------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" >"$work/as.log" 2>&1 \
    || { cat "$work/as.log"; fail "appstreamcli validate"; }
xmllint --noout "$share/mime/packages/$app_id.xml" || fail "xmllint on the MIME type"
grep -qx 'MimeType=application/x-orvane-fun;application/x-orvane-document;' "$share/applications/$app_id.desktop" \
    || fail "the desktop entry does not name the .fun and .ovd types"
grep -qx 'Exec=orvane %f' "$share/applications/$app_id.desktop" \
    || fail "the desktop entry does not open files"
grep -q '<mediatype>application/x-orvane-fun</mediatype>' "$share/metainfo/$app_id.metainfo.xml" \
    || fail "the AppStream data does not name the .fun type"
# Every option the program's own usage text names is in both manual pages.
options=$("$root/usr/bin/orvane" --help | grep -o -- '--[a-z]\+' | sort -u)
[ -n "$options" ] || fail "orvane --help names no options"
for page in man/man1 man/zh_CN/man1; do
    zcat "$share/$page/orvane.1.gz" >"$work/page"
    for option in $options; do
        grep -qF -- "\\-\\-${option#--}" "$work/page" || fail "$page/orvane.1 lacks $option"
    done
done

home=$work/home
mkdir -p "$home/run"
chmod 700 "$home/run"
run() {
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen "$root/usr/bin/orvane" "$@"
}
[ "$(run --eval 1+1)" = 2 ] || fail "the unpacked orvane --eval 1+1 did not print 2"
run --render "$share/doc/orvane/examples/school-curves.fun" --out "$work/curves.png" \
    || fail "the unpacked orvane --render failed"
[ "$(head -c 8 "$work/curves.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
    || fail "--render wrote no PNG"

# --- the .fun type in a MIME database of its own ---------------------------------------
data=$work/data
mkdir -p "$data/mime/packages" "$data/applications"
cp "$share/mime/packages/$app_id.xml" "$data/mime/packages/"
cp "$share/applications/$app_id.desktop" "$data/applications/"
XDG_DATA_HOME=$data update-mime-database "$data/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "update-mime-database complained"; }
grep -q '^application/x-orvane-fun:\*\.fun$' "$data/mime/globs" || fail "no *.fun glob in the database"
if command -v update-desktop-database >/dev/null && command -v xdg-mime >/dev/null \
    && command -v mimetype >/dev/null; then
    update-desktop-database "$data/applications"
    printf '[Image]\r\nCount=1\r\nFunction0=y=x\r\n' >"$work/x.fun"
    cp "$work/x.fun" "$work/LESSON.FUN"
    query() {
        env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$data" XDG_DATA_DIRS=/usr/share \
            xdg-mime query "$@"
    }
    [ "$(query filetype "$work/x.fun")" = application/x-orvane-fun ] || fail "x.fun: $(query filetype "$work/x.fun")"
    [ "$(query filetype "$work/LESSON.FUN")" = application/x-orvane-fun ] || fail "LESSON.FUN: $(query filetype "$work/LESSON.FUN")"
    [ "$(query default application/x-orvane-fun)" = "$app_id.desktop" ] \
        || fail "default application: '$(query default application/x-orvane-fun)'"
else
    echo "note: xdg-utils or mimetype (libfile-mimeinfo-perl) missing; xdg-mime queries left out"
fi

echo "debian package: ok ($(basename "$deb"))"
