#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The executable's identity: icon images, the Windows version record (compiled
# with mingw-w64's windres and read back), the desktop entry and the metadata;
# and one version everywhere: what project(VERSION) says, spelt "1.0.0"
# wherever a user reads it, and "1.00" only in the version record's strings.
#   resources_test.sh <source resources> <built resources> <version>
set -euo pipefail
resources=$1
built=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() { # description, haystack file, pattern
    if grep -qE -- "$3" "$2"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

icotool -l "$resources/velmora.ico" >"$work/icons"
expect "icon has exactly three images" <(wc -l <"$work/icons") '^3$'
expect "32x32 in 2 colours" "$work/icons" '--width=32 --height=32 --bit-depth=1 --palette-size=2$'
expect "32x32 in 16 colours" "$work/icons" '--width=32 --height=32 --bit-depth=4 --palette-size=16$'
expect "16x16 in 16 colours" "$work/icons" '--width=16 --height=16 --bit-depth=4 --palette-size=16$'

x86_64-w64-mingw32-windres --preprocessor=cpp -i "$built/velmora.rc" -O res -o "$work/velmora.res"
x86_64-w64-mingw32-windres -i "$work/velmora.res" -O rc -o "$work/back.rc"
tr -s ' ' <"$work/back.rc" >"$work/version"
numeric="${version//./, }, 0"
expect "file version $numeric" "$work/version" "^ ?FILEVERSION $numeric\$"
expect "product version $numeric" "$work/version" "^ ?PRODUCTVERSION $numeric\$"
expect "file type application" "$work/version" '^ ?FILETYPE 0x1$'
expect "German string block" "$work/version" 'BLOCK "040704b0"|BLOCK "040704B0"'
# The version record names the version as major.minor with two digits.
expect "FileVersion 1.00" "$work/version" 'VALUE "FileVersion", "1\.00"'
expect "ProductVersion 1.00" "$work/version" 'VALUE "ProductVersion", "1\.00"'
expect "ProductName" "$work/version" 'VALUE "ProductName", "Velmora"'
expect "InternalName" "$work/version" 'VALUE "InternalName", "Velmora"'
expect "OriginalFilename" "$work/version" 'VALUE "OriginalFilename", "Velmora.exe"'
expect "CompanyName" "$work/version" 'VALUE "CompanyName", "[^"]+"'
# windres writes the © back as an octal escape.
expect "LegalCopyright" "$work/version" 'VALUE "LegalCopyright", L"\\251 2026 Velmora-Projekt, GPL-3\.0-or-later"'
expect "translation German, Unicode" "$work/version" 'VALUE "Translation", 0x407, 1200'
expect "UTF-8 en dash read as U+2013" "$work/version" 'L"Velmora \\x2013 Numerische Integration"'
expect "the icon is in the executable" "$work/version" 'RT_GROUP_ICON'
expect "the manifest is in the executable" "$work/version" '^1 24 '

desktop-file-validate "$resources/velmora.desktop" && echo "ok   desktop entry validates" ||
    { echo "FAIL desktop entry"; failures=$((failures + 1)); }

# Software centres read the metadata. Any error or warning fails, except that
# the id is not a reverse domain name: that would need a domain the project
# does not have, and the id must stay the desktop entry's name.
if appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$built/velmora.metainfo.xml" >"$work/appstream" 2>&1; then
    echo "ok   metainfo validates"
else
    cat "$work/appstream"; echo "FAIL metainfo validates"; failures=$((failures + 1))
fi
expect "metainfo launches the desktop entry" "$built/velmora.metainfo.xml" \
    '<launchable type="desktop-id">velmora.desktop</launchable>'
expect "metainfo names the licence" "$built/velmora.metainfo.xml" '<project_license>GPL-3\.0-or-later</project_license>'
expect "metainfo has a content rating" "$built/velmora.metainfo.xml" '<content_rating type="oars-1\.1"'
expect "metainfo release $version" "$built/velmora.metainfo.xml" "<release version=\"$version\""
expect "manual page says 1.0.0" "$built/velmora.1" '^\.TH VELMORA 1 .*"Velmora 1\.0\.0"'
expect "changelog's latest entry is $version" <(head -n 1 "$resources/changelog") "^velmora \\($version\\) "

echo "$failures failed"
[ "$failures" -eq 0 ]
