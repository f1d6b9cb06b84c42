#!/usr/bin/env python3
"""Writes the Velkara game data (data/de, data/en) and src/core/document/GameContent.cpp.

The game world lives in the quillmar_data package next to this script; this is
its command line.

    python3 tools/generate_data.py --out data --content src/core/document/GameContent.cpp

--scale N writes a synthetic, still valid data set about N times the size, for
load benchmarks. The output is deterministic: no clocks, no unseeded randomness.
"""

import argparse
import sys

from quillmar_data import generate


def main(argv=None):
    parser = argparse.ArgumentParser(description="Write the Velkara game data.")
    parser.add_argument("--out", required=True, help="folder that receives de/ and en/")
    parser.add_argument("--content", help="also write the C++ game content source to this path")
    parser.add_argument("--scale", type=int, default=1, help="synthetic data about N times the size")
    args = parser.parse_args(argv)
    if args.scale < 1:
        parser.error("--scale must be at least 1")
    generate(args.out, args.content, args.scale)
    return 0


if __name__ == "__main__":
    sys.exit(main())
