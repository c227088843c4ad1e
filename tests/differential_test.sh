#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The native build and the WebAssembly build run the same generated cases:
# every outcome, result text and message must be the same byte for byte.
#   differential_test.sh <native differential_driver> <differential_driver.js>
set -euo pipefail
native=$1
wasm=$2
cases=${DIFFERENTIAL_CASES:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native" "$cases" "$cases" >"$work/native"
# Debian's emscripten output, run by whatever node the machine has.
NODE_PATH=${NODE_PATH:-/usr/share/nodejs} node --no-experimental-fetch "$wasm" "$cases" "$cases" >"$work/wasm"
lines=$(wc -l <"$work/native")
[ "$lines" -eq $((2 * cases)) ] || { echo "FAIL: the native driver printed $lines lines"; exit 1; }
if cmp -s "$work/native" "$work/wasm"; then
    echo "ok   $cases clicks and $cases number round trips, native and WebAssembly identical"
else
    echo "FAIL: native and WebAssembly differ:"
    diff "$work/native" "$work/wasm" | head -n 10
    exit 1
fi
