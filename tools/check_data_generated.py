#!/usr/bin/env python3
"""Fails when the committed game data is not what the generator writes.

    check_data_generated.py --generator tools/generate_data.py --data data \
        --content src/core/document/GameContent.cpp

Regenerates into a temporary folder and compares byte for byte: every file of
the fresh de/ and en/ folders and the C++ content file must exist in the
committed tree with the same bytes, and the committed language folders must
hold no file the generator does not write. Without --content only the data
folders are compared. Exit 0 when all agree, else 1 with
one line per differing, missing or extra file.
"""

import argparse
import os
import subprocess
import sys
import tempfile

LANGS = ("de", "en")


def files_of(folder):
    if not os.path.isdir(folder):
        return set()
    return {name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name))}


def read(path):
    with open(path, "rb") as f:
        return f.read()


def compare(fresh_root, data_root, fresh_content, content):
    problems = []
    for lang in LANGS:
        fresh = os.path.join(fresh_root, lang)
        committed = os.path.join(data_root, lang)
        fresh_files = files_of(fresh)
        committed_files = files_of(committed)
        for name in sorted(fresh_files - committed_files):
            problems.append("missing: %s/%s" % (lang, name))
        for name in sorted(committed_files - fresh_files):
            problems.append("extra: %s/%s" % (lang, name))
        for name in sorted(fresh_files & committed_files):
            if read(os.path.join(fresh, name)) != read(os.path.join(committed, name)):
                problems.append("differs: %s/%s" % (lang, name))
    if content is None:
        pass
    elif not os.path.isfile(content):
        problems.append("missing: %s" % content)
    elif read(fresh_content) != read(content):
        problems.append("differs: %s" % content)
    return problems


def main(argv=None):
    parser = argparse.ArgumentParser(description="Check that the committed game data is generated.")
    parser.add_argument("--generator", required=True, help="path of generate_data.py")
    parser.add_argument("--data", required=True, help="committed data folder holding de/ and en/")
    parser.add_argument("--content", help="committed GameContent.cpp (not compared when omitted)")
    args = parser.parse_args(argv)

    with tempfile.TemporaryDirectory(prefix="quillmar-data-") as temp:
        fresh_root = os.path.join(temp, "data")
        fresh_content = os.path.join(temp, "GameContent.cpp")
        run = subprocess.run([sys.executable, args.generator, "--out", fresh_root, "--content", fresh_content],
                             capture_output=True, text=True)
        if run.returncode != 0:
            sys.stderr.write(run.stdout + run.stderr)
            print("generator failed with exit code %d" % run.returncode)
            return 1
        problems = compare(fresh_root, args.data, fresh_content, args.content)
    for line in problems:
        print(line)
    if problems:
        print("%d file(s) differ from the generator's output; run: python3 %s --out %s --content %s"
              % (len(problems), args.generator, args.data, args.content or "src/core/document/GameContent.cpp"))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
