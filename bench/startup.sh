#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cold start to window mapped, and peak memory, of Velmora against a bare Qt
# window of the same size (and against one that shows a line of text),
# alternating runs on one Xvfb display. Prints the medians and ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-21}
build=${BUILD:-build}

scripts/setup xvfb xauth x11-utils
cmake --build "$build" --target velmora startup_probe bare_window labelled_window >/dev/null
[ -n "${XDG_RUNTIME_DIR:-}" ] || { XDG_RUNTIME_DIR=$(mktemp -d); export XDG_RUNTIME_DIR; }
display=:${STARTUP_DISPLAY:-94}
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

out=$(mktemp -d)
for _ in $(seq "$runs"); do
    "$build/bench/startup_probe" "$build/ui/velmora" >>"$out/velmora"
    "$build/bench/startup_probe" "$build/bench/bare_window" >>"$out/bare"
    "$build/bench/startup_probe" "$build/bench/labelled_window" >>"$out/labelled"
done

median() { sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print v[int((NR+1)/2)]}'; }
vm=$(median "$out/velmora" 1); bm=$(median "$out/bare" 1)
vk=$(median "$out/velmora" 2); bk=$(median "$out/bare" 2)
lm=$(median "$out/labelled" 1); lk=$(median "$out/labelled" 2)
ratio() { echo "$1 / $2" | bc -l; }
printf 'runs each:     %d\n' "$runs"
printf 'start to map:  velmora %s ms, bare %s ms (ratio %.3f), with text %s ms (ratio %.3f)\n' \
    "$vm" "$bm" "$(ratio "$vm" "$bm")" "$lm" "$(ratio "$vm" "$lm")"
printf 'peak memory:   velmora %s KiB, bare %s KiB (ratio %.3f), with text %s KiB (ratio %.3f)\n' \
    "$vk" "$bk" "$(ratio "$vk" "$bk")" "$lk" "$(ratio "$vk" "$lk")"
rm -rf "$out"
