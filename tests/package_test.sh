#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry and icons where a
# desktop finds them, and CPack wraps the same into a Debian package.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/usr" >/dev/null
for file in bin/velmora share/applications/velmora.desktop \
    share/icons/hicolor/32x32/apps/velmora.png share/icons/hicolor/16x16/apps/velmora.png \
    share/icons/hicolor/scalable/apps/velmora.svg; do
    [ -e "$work/usr/$file" ] || { echo "FAIL: $file not installed"; exit 1; }
    echo "ok   installs $file"
done

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null 2>&1)
deb=$(ls "$work"/package/velmora_*.deb)
contents=$(dpkg-deb -c "$deb")
grep -q './usr/bin/velmora$' <<<"$contents" || { echo "FAIL: package lacks the program"; exit 1; }
grep -q './usr/share/applications/velmora.desktop$' <<<"$contents" ||
    { echo "FAIL: package lacks the desktop entry"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: no Qt dependency"; exit 1; }
echo "ok   $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
