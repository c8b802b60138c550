#!/usr/bin/env python3
"""Writes an attack list of N records (default 1,000,000) in the firewall's
format, with varied levels, times, attack types, addresses and names.

    make_large_attack_list.py OUT_CSV [N]
"""
import sys

TYPES = ["TCP port probe", "UDP port probe", "NetBIOS port probe", "FTP port probe",
         "Ping of death", "Ping sweep", "SMTP relay attempt", "Back Orifice ping",
         "Trojan horse probe", "HTTP directory traversal"]
NAMES = ["WORKSTATION7", "", "LABPC", "scanner.example.org", "GATEWAY",
         "dial-45.isp.example.net", "mail.relay.example.com"]


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    seed = 12345
    with open(out, "w", newline="") as f:
        f.write("BlackIce attack list\r\n")
        f.write("Severity,Time,Issue,Attack,Intruder IP,Intruder name,Host,Reserved,Reserved,Count\r\n")
        lines = []
        for i in range(count):
            seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
            day = 1 + i * 28 // count
            second = (i * 37) % 86400
            lines.append("%d,2026-11-%02d %02d:%02d:%02d,%d,%s,%d.%d.%d.%d,%s,BENCH-HOST,0,,%d\r\n" % (
                seed % 100, day, second // 3600, second // 60 % 60, second % 60,
                2000000 + seed % 200, TYPES[seed % len(TYPES)],
                10 + seed % 200, seed >> 8 & 255, seed >> 16 & 255, 1 + seed % 254,
                NAMES[(seed >> 4) % len(NAMES)], 1 + seed % 50))
            if len(lines) == 10000:
                f.write("".join(lines))
                lines = []
        f.write("".join(lines))


if __name__ == "__main__":
    main()
