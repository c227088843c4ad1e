#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads strace's record of connect and sendto (web_offline.sh) and fails on
any internet address beyond the loopback, 127.0.0.0/8 and ::1; local
sockets (AF_UNIX, AF_NETLINK) are no network.

    web_addresses.py STRACE.LOG
"""
import ipaddress
import re
import sys

INET = re.compile(r'sa_family=AF_INET6?,[^}]*?(?:inet_addr\("([^"]+)"\)|inet_pton\(AF_INET6?, "([^"]+)")')


def main(path):
    seen, beyond = 0, []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            for match in INET.finditer(line):
                seen += 1
                address = ipaddress.ip_address(match.group(1) or match.group(2))
                if getattr(address, "ipv4_mapped", None):
                    address = address.ipv4_mapped
                if not address.is_loopback:
                    beyond.append(line.strip())
    print("strace: %d connects and sends to internet addresses, %d beyond the loopback"
          % (seen, len(beyond)))
    for line in beyond[:20]:
        print("  " + line)
    return 1 if beyond or seen == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
