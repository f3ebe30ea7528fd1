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
app_id=org.wigglepad.Wigglepad

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every file Wigglepad installs, relative to the prefix; nothing else may appear.
expected_files=(
    bin/wigglepad
    share/applications/$app_id.desktop
    share/doc/wigglepad/Nunito-OFL.txt
    share/icons/hicolor/128x128/apps/$app_id.png
    share/icons/hicolor/256x256/apps/$app_id.png
    share/icons/hicolor/scalable/apps/$app_id.svg
    share/man/man6/wigglepad.6.gz
    share/metainfo/$app_id.metainfo.xml
    share/wigglepad/fonts/Nunito_900Black.ttf
)

check_only_wigglepad_files() {
    local prefix=$1
    diff -u <(printf '%s\n' "${expected_files[@]}" | sort) \
        <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) ||
        fail "$prefix holds other files than Wigglepad's"
    [ -x "$prefix/bin/wigglepad" ] || fail "bin/wigglepad is not executable"
    cmp -s "$source_dir/resources/fonts/Nunito_900Black.ttf" \
        "$prefix/share/wigglepad/fonts/Nunito_900Black.ttf" || fail "the font is not the bundled one"
}

# The desktop file passes the validator (hints allowed) and names the icon by the same id.
check_launcher() {
    local desktop=$1/share/applications/$app_id.desktop
    local report
    report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
    ! grep -E 'error|warning' <<<"$report" || fail "desktop-file-validate complains"
    grep -qx "Icon=$app_id" "$desktop" || fail "Icon= is not $app_id"
    grep -qx "Exec=wigglepad" "$desktop" || fail "Exec= does not start the installed program"
}

# validate-tree also finds the launchable's desktop file under the same root.
check_metainfo() {
    local root=$1 prefix=$2
    local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    local report
    report=$(appstreamcli validate-tree --no-net "$root" 2>&1) ||
        fail "appstreamcli validate-tree: $report"
    ! grep -E '^ *[EWI]: ' <<<"$report" || fail "appstreamcli reports issues"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo launches another desktop file"
    grep -q "<binary>wigglepad</binary>" "$metainfo" || fail "the metainfo provides no binary"
    grep -q '<release version="0.1.0"' "$metainfo" || fail "the metainfo lacks release 0.1.0"
}

check_icons() {
    local icons=$1/share/icons/hicolor size
    file -b "$icons/scalable/apps/$app_id.svg" | grep -q SVG || fail "the scalable icon is no SVG"
    for size in 128 256; do
        file -b "$icons/${size}x${size}/apps/$app_id.png" | grep -q "PNG image data, $size x $size," ||
            fail "the ${size}x${size} icon is not a ${size}x${size} PNG"
    done
}

# man-db renders the page without a single groff warning (w: all of them).
check_manual() {
    local page=$1/share/man/man6/wigglepad.6.gz
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$page" 2>&1 >"$work/man.txt")
    [ -z "$warnings" ] || fail "man warns: $warnings"
    grep -q "Hold Escape for 3 seconds" "$work/man.txt" || fail "the page does not say how to leave"
}

check_layout() {
    local root=$1 prefix=$1/usr
    check_only_wigglepad_files "$prefix"
    check_launcher "$prefix"
    check_metainfo "$root" "$prefix"
    check_icons "$prefix"
    check_manual "$prefix"
}

echo "== cmake --install into a scratch root"
DESTDIR=$work/installed cmake --install "$build" --prefix /usr ${config:+--config "$config"} \
    >/dev/null
check_layout "$work/installed"

echo "== The .deb"
cpack --config "$build/CPackConfig.cmake" ${config:+-C "$config"} -B "$work/cpack" >/dev/null
debs=("$work"/cpack/wigglepad_0.1.0-*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single wigglepad .deb"
depends=$(dpkg-deb -f "${debs[0]}" Depends)
for library in libqt6widgets6 'libicu[0-9]' libespeak-ng1 libpulse0; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
dpkg-deb -x "${debs[0]}" "$work/unpacked"
check_layout "$work/unpacked"

echo "PASS"
