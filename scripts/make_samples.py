#!/usr/bin/env python3
"""Writes the bundled sample data folder (samples/) as the firewall writes it:
CRLF line ends, single-byte text. Run again only to change the samples."""
import os
import random

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples")
random.seed(1207)

ATTACKS = [  # identifier, name, level range, description
    ("2000001", "TCP port probe", (10, 20), "A remote machine tried to connect to a closed TCP port. Usually harmless scanning."),
    ("2000100", "UDP port probe", (5, 15), "A remote machine sent a datagram to a closed UDP port."),
    ("2001003", "Ping sweep", (21, 35), "A series of echo requests was sent to addresses of your network to find live machines."),
    ("2002012", "NetBIOS port probe", (25, 40), "Someone tried to list the shared folders of this machine."),
    ("2003001", "FTP port probe", (30, 40), "A connection to the file transfer port was attempted."),
    ("2004005", "SMTP relay attempt", (45, 70), "A remote mail server tried to relay mail through this machine."),
    ("2005020", "HTTP directory traversal", (55, 80), "A web request tried to read files outside the web root with ../ sequences."),
    ("2006011", "Trojan horse probe", (81, 99), "A connection typical of a remote-control trojan was attempted. Check this machine for infection."),
    ("2007002", "Back Orifice ping", (85, 99), "A packet of the Back Orifice remote-control tool was received."),
    ("2008004", "Ping of death", (90, 99), "An oversized fragmented ping that crashes some systems was received."),
]

INTRUDERS = [
    ("192.168.0.7", "WORKSTATION7", "Local", "00-50-04-1A-2B-3C", "ws7.example.lan"),
    ("10.0.0.1", "GATEWAY", "Local", "00-A0-C9-14-C8-29", "gw.example.lan"),
    ("203.0.113.45", "dial-45.isp.example.net", "Internet", "", "dial-45.isp.example.net"),
    ("198.51.100.12", "scanner.example.org", "Internet", "", "scanner.example.org"),
    ("172.16.4.200", "LABPC", "Local", "00-10-5A-77-01-FE", "labpc.example.lan"),
    ("198.51.100.99", "", "Internet", "", ""),
    ("203.0.113.250", "mail.relay.example.com", "Internet", "", "mail.relay.example.com"),
]

HOST = "DESKTOP-ANNA"


def crlf(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def attack_list():
    lines = ["BlackIce attack list", "Severity,Time,Issue,Attack,Intruder IP,Intruder name,Host,Reserved,Reserved,Count"]
    day, seconds = 0, 6 * 3600
    for n in range(60):
        ident, name, (low, high), _ = random.choice(ATTACKS)
        ip, intruder, *_ = random.choice(INTRUDERS)
        seconds += random.randint(60, 7200)
        while seconds >= 86400:
            seconds -= 86400
            day += 1
        stamp = "2026-11-%02d %02d:%02d:%02d" % (1 + day, seconds // 3600, seconds // 60 % 60, seconds % 60)
        level = random.randint(low, high)
        count = random.choice([1, 1, 1, 2, 3, 5, 12, 40])
        lines.append(",".join([str(level), stamp, ident, name, ip, intruder, HOST, "0", "", str(count)]))
    return crlf(lines)


def issue_list():
    lines = ["BlackIce issue list", "Version 2.9", "", "Issue,Class,Since,Port,Proto,Risk,Ref,Flags,Description", "", "-"]
    for ident, name, (low, _), text in ATTACKS:
        lines.append(",".join([ident, name.split()[0], "1999", "", "tcp", str(low), "", "0", text.replace(",", ";")]))
    return crlf(lines)


def host_file(ip, netbios, group, mac, dns):
    lines = ["Intruder " + ip, "Group: " + group]
    if mac:
        lines.append("MAC: " + mac)
    if netbios:
        lines.append("NetBIOS: " + netbios)
    if dns:
        lines.append("DNS: " + dns)
    return crlf(lines)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


write("attack-list.csv", attack_list())
write("issuelist.csv", issue_list())
for intruder in INTRUDERS[:5]:
    write(os.path.join("hosts", intruder[0].replace(".", "-") + ".txt"), host_file(*intruder))
