#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a private X server with a window manager, for what only a
# real X11 session has (the selection clipboard that a middle click pastes).
#   with_x11.sh <command> [arguments]
set -euo pipefail
for display in $(seq 120 160); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
done
Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
wm=$!
# A window shown before the window manager has taken the screen is never
# activated: wait until it names itself on the root window.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
"$@"
