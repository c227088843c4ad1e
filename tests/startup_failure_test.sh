#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# When the graphical interface cannot start, the program says what failed in
# one German line and exits with 1, instead of Qt's abort and core dump; when
# it can, Qt's own messages are not swallowed.
set -uo pipefail
program=$1
failures=0

check() { # description, expected text, environment...
    local description=$1 expected=$2
    shift 2
    local stderr status
    stderr=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$program" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$stderr" | wc -l)" -eq 1 ] &&
        [[ "$stderr" == *"$expected"* ]]; then
        echo "ok   $description: $stderr"
    else
        echo "FAIL $description: status $status, expected 1 and one line with \"$expected\":"
        printf '%s\n' "$stderr"
        failures=$((failures + 1))
    fi
}

check "no display at all" "Velmora: Keine grafische Anzeige gefunden." QT_QPA_PLATFORM=xcb
check "a display that is not there" "Velmora: Keine grafische Anzeige gefunden." \
    QT_QPA_PLATFORM=xcb DISPLAY=:437
check "an unknown platform plugin, with Qt's reason" \
    'Velmora: Die grafische Oberfläche ließ sich nicht starten: Could not find the Qt platform plugin "nosuchplatform"' \
    QT_QPA_PLATFORM=nosuchplatform DISPLAY=:0

# Messages held back while the application starts are printed once it runs,
# and later ones as they come.
stderr=$(QT_DEBUG_PLUGINS=1 QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>&1 >/dev/null)
if grep -q 'platforms/libqoffscreen' <<<"$stderr"; then
    echo "ok   Qt's start-up messages are printed once the application runs"
else
    echo "FAIL Qt's start-up messages (QT_DEBUG_PLUGINS=1) never reached stderr:"
    printf '%s\n' "$stderr" | tail -n 5
    failures=$((failures + 1))
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
