#!/usr/bin/env python3
"""Writes character files (*.chr) of every layout version byte by byte, as each
program version wrote them. Used by the command-line tests and as seeds for
the file fuzzers:  character_files.py --out DIR  writes one file per version."""

import argparse
import os
import struct

VERSIONS = [0x02000000, 0x02001000, 0x02002000, 0x02003000, 0x02004000, 0x02005000, 0x02006000]


def named_values(pairs):
    out = struct.pack("<B", len(pairs))
    for key, value in pairs:
        data = key.encode("cp1252")
        out += struct.pack("<iI", value, len(data)) + data
    return out


def character_file(version, realm=0, race=0, class_position=0, level=50.0, career=False, plan=None,
                   auto_train=(), abilities=(), abilities_nf=()):
    """plan: {slot: [(spell line, style line, level, respec)]}; the other lists hold tuples
    of their section's fields."""
    plan = plan or {}
    options = [("CarrerMode", 1)] if career else []
    out = b"CHAR" + struct.pack("<I", version) + named_values(options)
    out += struct.pack("<f", level) + struct.pack("<8i", 1, 2, 3, 0, 0, 0, 0, 4) + struct.pack("<i", 23)
    if version >= 0x02003000:
        out += struct.pack("<i", 3)
    out += struct.pack("<iii", realm, race, class_position)
    for slot in range(61):
        entries = plan.get(slot, [])
        out += struct.pack("<i", len(entries))
        for spell, style, value, respec in entries:
            out += struct.pack("<iii", spell, style, value)
            if version >= 0x02006000:
                out += struct.pack("<B", respec)
    out += struct.pack("<i", len(auto_train))
    for entry in auto_train:
        out += struct.pack("<iii", *entry)
    out += struct.pack("<i", len(abilities))
    for entry in abilities:
        out += struct.pack("<ii", *entry)
    if version >= 0x02004000:
        out += struct.pack("<i", len(abilities_nf))
        for entry in abilities_nf:
            out += struct.pack("<ii", *entry)
    if version > 0x02001000:
        out += struct.pack("<ii", 1, 6)
    return out


def sample(version):
    """A character with something in every section the version has: style line 0
    and spell line position/id 1 are planned, a respec at slot 30."""
    spell = 1
    plan = {20: [(-1, 0, 8, 0)], 30: [(-1, 0, 12, 1), (spell, -1, 10, 1)], 60: [(-1, 0, 30, 0)]}
    return character_file(version, realm=0, race=0, class_position=0, level=40.0, career=True, plan=plan,
                          auto_train=[(-1, 0, 0x7)], abilities=[(0, 2), (-1, 1)], abilities_nf=[(0, 3), (-1, 1)])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", required=True, help="folder to write the files into")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for version in VERSIONS:
        with open(os.path.join(args.out, "v%08X.chr" % version), "wb") as f:
            f.write(sample(version))


if __name__ == "__main__":
    main()
