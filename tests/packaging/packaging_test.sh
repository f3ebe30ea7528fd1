#!/usr/bin/env bash
# Wigglepad as `cmake --install` lays it out and as its .deb ships it: exactly its own files,
# each where the desktop looks for it and accepted by that file type's own checker, the
# launcher entry, metadata and icons naming one id, and the package's library dependencies
# found by dpkg-shlibdeps.
# Usage: packaging_test.sh <build dir> <source dir> [<build configuration>]
set -euo pipefail

build=$1
source_dir=$2
config=${3:-}
id=org.wigglepad.Wigglepad
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# has <file> <what it lacks then> <extended regular expressions...>: each matches a line.
has() {
    for pattern in "${@:3}"; do grep -qE "$pattern" "$1" || fail "$2: no '$pattern' in $1"; done
}

# Every file Wigglepad installs, relative to the prefix; nothing else may appear.
sort >"$work/expected" <<FILES
bin/wigglepad
share/applications/$id.desktop
share/doc/wigglepad/Nunito-OFL.txt
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man6/wigglepad.6.gz
share/metainfo/$id.metainfo.xml
share/wigglepad/fonts/Nunito_900Black.ttf
FILES

# check_layout <root>: the files under <root>/usr, from there.
check_layout() {
    local report size
    cd "$1/usr"
    diff -u "$work/expected" <(find . ! -type d | sed 's|^\./||' | sort) ||
        fail "$1/usr holds other files than Wigglepad's"
    [ -x bin/wigglepad ] || fail "bin/wigglepad is not executable"
    cmp -s "$source_dir/resources/fonts/Nunito_900Black.ttf" \
        share/wigglepad/fonts/Nunito_900Black.ttf || fail "the font is not the bundled one"

    # The launcher passes the validator (hints allowed) and names the icon by the same id.
    report=$(desktop-file-validate "share/applications/$id.desktop" 2>&1) &&
        ! grep -E 'error|warning' <<<"$report" || fail "desktop-file-validate: $report"
    has "share/applications/$id.desktop" launcher "^Icon=$id$" "^Exec=wigglepad$"
    # validate-tree also finds the launchable's desktop file under the same root.
    report=$(appstreamcli validate-tree --no-net "$1" 2>&1) &&
        ! grep -E '^ *[EWI]: ' <<<"$report" || fail "appstreamcli validate-tree: $report"
    has "share/metainfo/$id.metainfo.xml" metainfo "<binary>wigglepad</binary>" \
        "<launchable type=\"desktop-id\">$id.desktop</launchable>" '<release version="0.1.0"'

    file -b "share/icons/hicolor/scalable/apps/$id.svg" | grep -q SVG ||
        fail "the scalable icon is no SVG"
    for size in 128 256; do
        file -b "share/icons/hicolor/${size}x$size/apps/$id.png" |
            grep -q "PNG image data, $size x $size," || fail "the ${size}px icon is amiss"
    done
    # man-db renders the page without a single groff warning (w: all of them).
    report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l share/man/man6/wigglepad.6.gz 2>&1 \
        >"$work/man.txt")
    [ -z "$report" ] || fail "man warns: $report"
    has "$work/man.txt" manual "Hold Escape for 3 seconds"
}

echo "== cmake --install into a scratch root"
DESTDIR=$work/installed cmake --install "$build" --prefix /usr ${config:+--config "$config"} \
    >/dev/null
check_layout "$work/installed"

echo "== The .deb"
cpack --config "$build/CPackConfig.cmake" ${config:+-C "$config"} -B "$work/cpack" >/dev/null
debs=("$work"/cpack/wigglepad_0.1.0-*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single wigglepad .deb"
dpkg-deb -f "${debs[0]}" Depends | tr ',' '\n' >"$work/depends"
has "$work/depends" "the package's Depends" libqt6widgets6 'libicu[0-9]' libespeak-ng1 libpulse0
dpkg-deb -x "${debs[0]}" "$work/unpacked"
check_layout "$work/unpacked"
echo "PASS"
