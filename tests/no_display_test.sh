#!/usr/bin/env bash
# Without any display the program says so in one line and exits with 1,
# instead of Qt's abort and core dump.
set -uo pipefail
program=$1
stderr=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null)
status=$?
echo "status $status"
echo "stderr: $stderr"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, expected 1"; exit 1; }
[ "$(printf '%s\n' "$stderr" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line"; exit 1; }
case "$stderr" in
*"Keine grafische Anzeige"*) echo "ok" ;;
*) echo "FAIL: no clear message"; exit 1 ;;
esac
