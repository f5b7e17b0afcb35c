#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from debian/ and checks them as a school's technician would
# meet them:
#   check-package.sh SOURCE_DIR BUILD_DIR APP_ID plain|sanitized
# - dpkg-buildpackage -us -uc -b with DEB_BUILD_OPTIONS=nocheck (the suite that runs this
#   test has run the tests already) gives orvane and orvane-dbgsym; ccache when present;
# - control fields, dependencies and the file list; lintian (pedantic, info) reports
#   nothing and hardening-check passes, when they are installed;
# - the desktop entry, AppStream data and MIME type pass their validators, and the
#   manual pages name every option of --help;
# - installed into a fresh root with dpkg (unpacked where dpkg cannot do that), the
#   program run as root writes nothing under /usr, its first start asks no shortcut
#   question, and dpkg --purge leaves nothing of the package behind;
# - a MIME database built from the package alone maps *.fun (any case) to
#   application/x-orvane-fun and that type to the package's desktop entry.
# Exit status 77 (skipped) where the Debian build tools are missing and in sanitized
# builds.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
app_id=$3
flavour=$4

if [ "$flavour" = sanitized ]; then
    echo "skipped: a sanitized build would package instrumented binaries; the plain build checks the package"
    exit 77
fi
for tool in dpkg-buildpackage dh; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is missing (Debian packages dpkg-dev, debhelper), so no package can be built here"
        exit 77
    fi
done
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (Debian package $2)"; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need xmllint libxml2-utils
need update-mime-database shared-mime-info

work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-package-XXXXXX")
chmod 755 "$work"
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# --- build -----------------------------------------------------------------------
out=$build/debian-package
start=$(date +%s)
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" bash "$source_dir/packaging/build-package.sh" \
    "$source_dir" "$out" >/dev/null || fail "dpkg-buildpackage"
echo "package build: $(($(date +%s) - start)) s"
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
arch=$(dpkg --print-architecture)
deb=$out/orvane_${version}_${arch}.deb
dbgsym=$out/orvane-dbgsym_${version}_${arch}.deb
[ -s "$deb" ] || { ls -l "$out"; fail "no orvane_${version}_${arch}.deb"; }
[ -s "$dbgsym" ] || { ls -l "$out"; fail "no orvane-dbgsym_${version}_${arch}.deb"; }

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
[ "$(dpkg-deb -f "$dbgsym" Package)" = orvane-dbgsym ] || fail "the debug symbols are not orvane-dbgsym"

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
# The debug information went into orvane-dbgsym.
dpkg-deb -c "$dbgsym" >"$work/dbgsym-contents"
grep -q '/usr/lib/debug/.build-id/.*\.debug$' "$work/dbgsym-contents" \
    || fail "orvane-dbgsym holds no debug file"

if command -v lintian >/dev/null; then
    lintian --pedantic --info --fail-on error,warning,info,pedantic "$deb" "$dbgsym" \
        || fail "lintian reports tags"
else
    echo "note: lintian is not installed; its checks were left out"
fi

# --- installed into a fresh root ------------------------------------------------------
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The root holds no libraries and no shell: dependencies and the check for ldconfig
# are the host's business here. Nothing the package would run is skipped: it has no
# maintainer scripts (checked below).
dpkg_root() { dpkg --root="$root" --log="$work/dpkg-actions.log" --force-depends --force-bad-path "$@"; }
if dpkg_root --install "$deb" >"$work/dpkg.log" 2>&1; then
    installed_with_dpkg=1
else
    cat "$work/dpkg.log"
    echo "note: dpkg cannot install into a fresh root here; unpacking instead"
    installed_with_dpkg=0
    rm -rf "$root"
    dpkg-deb -x "$deb" "$root"
fi
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E '(pre|post)(inst|rm)$' \
    && fail "the package has maintainer scripts, which the fresh root cannot run"

if command -v hardening-check >/dev/null; then
    hardening-check "$root/usr/bin/orvane" || fail "hardening-check"
else
    echo "note: hardening-check (devscripts) is not installed; its checks were left out"
fi

share=$root/usr/share
desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" >"$work/as.log" 2>&1 \
    || { cat "$work/as.log"; fail "appstreamcli validate"; }
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$share/metainfo/$app_id.metainfo.xml" || fail "the AppStream data names no licence"
xmllint --noout "$share/mime/packages/$app_id.xml" || fail "xmllint on the MIME type"
grep -qx 'MimeType=application/x-orvane-fun;application/x-orvane-document;' "$share/applications/$app_id.desktop" \
    || fail "the desktop entry does not name the .fun and .ovd types"
grep -qx 'Exec=orvane %f' "$share/applications/$app_id.desktop" \
    || fail "the desktop entry does not open files"
grep -q '<mediatype>application/x-orvane-fun</mediatype>' "$share/metainfo/$app_id.metainfo.xml" \
    || fail "the AppStream data does not name the .fun type"
# Every option the program's own usage text names is in both manual pages.
options=$("$root/usr/bin/orvane" --help | grep -oE -- '-{1,2}[a-z]+' | sort -u)
[ -n "$options" ] || fail "orvane --help names no options"
for page in man/man1 man/zh_CN/man1; do
    zcat "$share/$page/orvane.1.gz" >"$work/page"
    for option in $options; do
        grep -qF -- "$(sed 's/-/\\-/g' <<<"$option")" "$work/page" || fail "$page/orvane.1 lacks $option"
    done
done

# Runs as root, as a technician trying the program would: a home of its own, no
# runtime folder.
find "$root/usr" -printf '%p %s %T@ %m\n' | sort >"$work/usr-before"
home=$work/home
mkdir -p "$home"
run_env=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config"
         XDG_DATA_HOME="$home/.local/share" QT_QPA_PLATFORM=offscreen)
[ "$("${run_env[@]}" "$root/usr/bin/orvane" --eval 1+1)" = 2 ] \
    || fail "the installed orvane --eval 1+1 did not print 2"
"${run_env[@]}" "$root/usr/bin/orvane" --render "$share/doc/orvane/examples/school-curves.fun" \
    --out "$work/curves.png" 2>"$work/render.err" || fail "the installed orvane --render failed"
[ ! -s "$work/render.err" ] || { cat "$work/render.err"; fail "--render printed warnings"; }
[ "$(head -c 8 "$work/curves.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
    || fail "--render wrote no PNG"

# The first start: the shortcut question and then the tip of the day come once the window
# is complete. The question is a modal box, which would hold the tip back; the tip, once
# shown, writes its number (Tips=1) into the settings.
settings=$home/.config/orvane/orvane.ini
"${run_env[@]}" "$root/usr/bin/orvane" >"$work/gui.log" 2>&1 &
pid=$!
started+=("$pid")
for _ in $(seq 1 300); do
    grep -q '^Tips=1' "$settings" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/gui.log"; fail "the installed program ended at its first start"; }
    sleep 0.1
done
grep -q '^Tips=1' "$settings" 2>/dev/null \
    || { cat "$work/gui.log" "$settings" 2>/dev/null || true; fail "the first start did not get to the tip of the day (a question waiting?)"; }
grep -q '^AllConst=3' "$settings" || fail "the first start did not write the constants"
grep -q '^CreatShortCut=OK' "$settings" || fail "the first start did not mark the shortcut offer as made"
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/gui.log"; fail "the installed program ended after its first start"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ ! -e "$home/Desktop" ] && [ ! -e "$home/.local/share/applications" ] \
    || fail "the first start wrote shortcuts"
find "$root/usr" -printf '%p %s %T@ %m\n' | sort >"$work/usr-after"
diff "$work/usr-before" "$work/usr-after" || fail "running as root changed /usr"

if [ "$installed_with_dpkg" -eq 1 ]; then
    dpkg_root --purge orvane >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --purge"; }
    left=$(find "$root" -mindepth 1 -not -path "$root/var" -not -path "$root/var/lib" \
               -not -path "$root/var/lib/dpkg" -not -path "$root/var/lib/dpkg/*")
    [ -z "$left" ] || fail "dpkg --purge left: $left"
    ! ls "$root/var/lib/dpkg/info/" | grep -q '^orvane\.' || fail "dpkg still knows files of orvane"
    echo "installed, run and purged in a fresh root"
fi

# --- the .fun type in a MIME database of its own ---------------------------------------
root=$work/unpacked
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
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

echo "debian package: ok ($(basename "$deb"), $(basename "$dbgsym"))"
