#!/usr/bin/env python3
"""Writes the loader's edge inputs for the fuzzer into FOLDER: a line of two
megabytes, a line of 100,000 commas, records tied on a megabyte of text, fields of NUL bytes, and binary noise.
They are made here rather than kept in fuzz/corpus/ because of their size.

    fuzz/make_edge_seeds.py FOLDER
"""
import os
import sys

HEADER = b"h\r\nh\r\n"
SEEDS = {
    "megabyte-line": HEADER + b"5," + b"x" * (2 << 20) + b",i,t,a,n,h,0,,1\r\n",
    "tied-megabyte": HEADER
    + b"".join(b"5,d,i,%s%s,a,n,h,0,,1\r\n" % (b"T" * (1 << 20), end) for end in (b"b", b"C", b"a")),
    "commas": HEADER + b"," * 100000 + b"\r\n",
    "nul-bytes": HEADER + b"5,\0\0\0,\0,\0,\0,\0,\0,\0,\0,\0\r\n",
    "binary": bytes(range(256)) * 64,
}

folder = sys.argv[1]
os.makedirs(folder, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(folder, name), "wb") as seed:
        seed.write(data)
