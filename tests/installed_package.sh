#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the program as a user gets it, not as it lies in the build tree:
#  1. installs the build into a staging folder (DESTDIR) and checks the file
#     list, the menu entry and the AppStream metadata with their validators,
#     the icon's sizes, and that the program looks for nothing in the build tree;
#  2. builds the Debian package and checks its files, its fields and its
#     dependencies (the Qt 6 and libjpeg packages), and runs lintian on it;
#  3. unpacks the package into a temporary root and starts the unpacked program
#     in Xvfb: its window's WM_CLASS must be the one the menu entry names in
#     StartupWMClass, and a close must end it with exit code 0.
#   installed_package.sh BUILD_DIR X11_SESSION
set -u
build=$(cd "$1" && pwd)
session=$2
id=org.example.diplexer
title='Диплексер (Зорвин2)'

. "$(dirname "$0")/xvfb_helpers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Files and folders made here get the modes a package needs, whoever runs this.
umask 022

expected_files="usr/bin/diplexer
usr/share/applications/$id.desktop
usr/share/doc/diplexer/changelog.gz
usr/share/doc/diplexer/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/diplexer.1.gz
usr/share/metainfo/$id.metainfo.xml"

files_under() { (cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort); }

# Reads KEY of the [Desktop Entry] group of a desktop file.
desktop_key() { sed -n "s/^$2=//p" "$1" | head -n 1; }

check_installed_tree() {
    local root=$1 what=$2
    local files
    files=$(files_under "$root")
    if [ "$files" != "$(LC_ALL=C sort <<<"$expected_files")" ]; then
        fail "$what: the file list differs:"
        diff <(LC_ALL=C sort <<<"$expected_files") <(echo "$files")
    fi
    local entry=$root/usr/share/applications/$id.desktop
    [ "$(desktop_key "$entry" Icon)" = "$id" ] || fail "$what: the entry's icon is not $id"
    [ "$(desktop_key "$entry" Exec)" = diplexer ] || fail "$what: the entry does not start diplexer"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "$root/usr/share/metainfo/$id.metainfo.xml" || fail "$what: the metadata launches no $id.desktop"
    for size in 48 128 256; do
        file -b "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" |
            grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
            fail "$what: the $size-pixel icon is not a $size x $size PNG"
    done
    file -b "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q '^SVG' ||
        fail "$what: the scalable icon is not SVG"
}

# 1. The staged installation.
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
check_installed_tree "$stage" "installed"
[ -x "$stage/usr/bin/diplexer" ] || fail "the installed program is not executable"
if readelf -d "$stage/usr/bin/diplexer" | grep -E 'RPATH|RUNPATH'; then
    fail "the installed program searches a library path of its own"
fi
echo "desktop-file-validate:"
report=$(desktop-file-validate "$stage/usr/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate failed"
echo "${report:-  (nothing to report)}"
grep -Eq 'error:|warning:' <<<"$report" && fail "desktop-file-validate reports an error or a warning"
echo "appstreamcli validate --no-net --strict:"
appstreamcli validate --no-net --strict "$stage/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

# 2. The Debian package.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/package/diplexer_1.0.0_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    fail "cpack made no $(basename "$deb")"
    ls "$work/package"
    exit 1
fi
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | LC_ALL=C sort)
[ "$packaged" = "$(LC_ALL=C sort <<<"$expected_files")" ] || {
    fail "the package's file list differs:"
    diff <(LC_ALL=C sort <<<"$expected_files") <(echo "$packaged")
}
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = diplexer ] || fail "package name $(field Package)"
[ "$(field Version)" = 1.0.0 ] || fail "version $(field Version)"
[ "$(field Section)" = hamradio ] || fail "section $(field Section)"
grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" || fail "maintainer $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no description"
depends=$(field Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends names no $package"
done
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends: $(field Recommends)"
echo "lintian:"
lintian --display-info --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges' 
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports an error or a warning"

# 3. The unpacked package, started.
root=$work/root
dpkg -x "$deb" "$root" || fail "dpkg -x"
check_installed_tree "$root" "unpacked"
if strings "$root/usr/bin/diplexer" | grep -F "$build"; then
    fail "the packaged program names the build tree"
fi
start_xvfb "$session" || exit 1
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
"$root/usr/bin/diplexer" &
pid=$!
"$session" wait "$title" >/dev/null || fail "the unpacked program's window did not appear"
read -r instance class < <("$session" class "$title")
startup_class=$(desktop_key "$root/usr/share/applications/$id.desktop" StartupWMClass)
echo "WM_CLASS: $instance $class; StartupWMClass: $startup_class"
[ -n "$startup_class" ] && [ "$class" = "$startup_class" ] ||
    fail "WM_CLASS $class is not the entry's StartupWMClass $startup_class"
"$session" close "$title" || fail "close request"
finish $pid "the unpacked program, closed"

if [ $failures -eq 0 ]; then
    echo "installed, packaged and started from the package as a desktop program"
    exit 0
fi
exit 1
