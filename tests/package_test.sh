#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install puts the program, its desktop entry, icons, metadata and
# manual page where a desktop finds them, and CPack wraps the same into a
# Debian package that lintian accepts. The package is left in <build>/package.
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
# The package's files and folders carry the permissions Debian expects,
# whatever the caller's umask (CPack takes them from what it stages).
umask 022
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
for file in bin/velmora share/applications/velmora.desktop \
    share/icons/hicolor/32x32/apps/velmora.png share/icons/hicolor/16x16/apps/velmora.png \
    share/icons/hicolor/scalable/apps/velmora.svg share/metainfo/velmora.metainfo.xml \
    share/man/man1/velmora.1.gz share/doc/velmora/copyright share/doc/velmora/changelog.gz; do
    [ -e "$work/usr/$file" ] || fail "$file not installed"
    echo "ok   installs $file"
done

rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/package/velmora_*.deb)
(cd "$build/package" && sha256sum "$(basename "$deb")" >SHA256SUMS)
contents=$(dpkg-deb -c "$deb")
for file in bin/velmora share/applications/velmora.desktop share/metainfo/velmora.metainfo.xml \
    share/man/man1/velmora.1.gz; do
    grep -q "\./usr/$file\$" <<<"$contents" || fail "package lacks $file"
done
echo "ok   the package carries the program, desktop entry, metadata and manual page"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), project version $version"
field Depends | grep -q 'libqt6widgets6' || fail "no Qt dependency"
# Without these, Qt's own boxes and menus would speak English.
field Depends | grep -qw 'qt6-translations-l10n' || fail "does not depend on qt6-translations-l10n"
field Recommends | grep -qw 'qt6-wayland' || fail "does not recommend qt6-wayland"
[ "$(field Description | wc -l)" -gt 1 ] || fail "no extended description"
echo "ok   $(basename "$deb"): Depends: $(field Depends); Recommends: $(field Recommends)"

if command -v lintian >/dev/null; then
    lintian --allow-root "$deb" >"$work/lintian.log" 2>&1 || true
    if grep -E '^[EW]: ' "$work/lintian.log"; then fail "lintian"; fi
    echo "ok   lintian: no errors, no warnings"
else
    echo "skip lintian: not installed"
fi
