#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command (the page's tests in a browser) where nothing beyond the
# loopback can be reached: in a network namespace of its own whose only
# interface is `lo`, whatever a browser tries.
#   web_offline.sh [--strace LOG] <command> [arguments]
# With --strace, the command runs under strace (connect and sendto, every
# process), and the run fails if any of them named an address beyond
# 127.0.0.0/8 and ::1: the browsers are started so that they try none.
set -euo pipefail
log=
if [ "${1:-}" = --strace ]; then
    log=$2
    shift 2
fi
here=$(dirname "$0")
if [ -z "$log" ]; then
    exec unshare --net bash -c 'ip link set lo up && exec "$@"' offline "$@"
fi
status=0
unshare --net bash -c 'ip link set lo up && exec strace -f -qq --seccomp-bpf -e trace=connect,sendto -o "$0" "$@"' \
    "$log" "$@" || status=$?
/usr/bin/python3 "$here/web_addresses.py" "$log" || status=1
exit $status
