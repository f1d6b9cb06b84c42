#!/usr/bin/env python3
"""End-to-end tests of quillmar-cli show / upgrade / settings on files of every
layout version:  cli_test.py CLI DATA_ROOT"""

import json
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import character_files  # noqa: E402

CLI = DATA_ROOT = None
KEYS = ["version", "options", "level", "slot", "realm", "race", "class", "realmRank", "effectiveRealmRank",
        "extraSpecPoints", "statRaise", "statTotals", "plan", "specResult", "lineLevels", "points", "autoTrain",
        "realmAbilities", "realmAbilitiesNf", "masterLevelOption", "masterLevel", "messages"]
OLD_FILE_WARNING = "This file was created by an old program version."
NEWER_FILE_QUESTION = "This file was created by a newer version."


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, encoding="utf-8", timeout=60)


class CliTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def write(self, name, data):
        path = os.path.join(self.folder.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def show(self, path, *extra):
        result = run("show", path, "--data-root", DATA_ROOT, "--data", "en", "--lang", "en", *extra)
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def test_show_reads_every_version(self):
        for version in character_files.VERSIONS:
            with self.subTest(version=hex(version)):
                shown = self.show(self.write("hero.chr", character_files.sample(version)))
                self.assertEqual(list(shown.keys()), KEYS)
                self.assertEqual(shown["version"], "0x%08X" % version)
                self.assertEqual(shown["options"], {"CarrerMode": 1})
                self.assertEqual((shown["level"], shown["slot"]), (40.0, 40))
                self.assertEqual(shown["statRaise"], [1, 2, 3, 0, 0, 0, 0, 4])
                self.assertEqual(shown["realmRank"]["code"], 23)
                self.assertEqual(shown["realmRank"]["text"], "R3L3")
                self.assertTrue(shown["class"] and shown["race"] and shown["realm"])
                self.assertEqual(shown["extraSpecPoints"], 3 if version >= 0x02003000 else 0)
                self.assertEqual(shown["masterLevel"], 6 if version > 0x02001000 else 0)
                self.assertEqual(len(shown["realmAbilities"]), 2)  # -1 stays under the empty key
                self.assertEqual(len(shown["realmAbilitiesNf"]), 1 if version >= 0x02004000 else 0)
                self.assertEqual([s["slot"] for s in shown["plan"]], [20, 30, 60])
                respec = [s["respec"] for s in shown["plan"]]
                self.assertEqual(respec, [False, True, False] if version >= 0x02006000 else [False] * 3)
                self.assertEqual(len(shown["specResult"]), 61)
                points = shown["points"]
                self.assertEqual(points["rest"], points["earned"] - points["spent"])
                old = version < 0x02002000
                self.assertEqual(len(shown["messages"]), 1 if old else 0)
                if old:
                    self.assertTrue(shown["messages"][0].startswith(OLD_FILE_WARNING))

    def test_upgrade_writes_the_current_version_with_the_same_character(self):
        for version in character_files.VERSIONS:
            with self.subTest(version=hex(version)):
                source = self.write("old.chr", character_files.sample(version))
                target = os.path.join(self.folder.name, "new.chr")
                result = run("upgrade", source, target, "--data-root", DATA_ROOT, "--data", "de", "--lang", "en")
                self.assertEqual(result.returncode, 0, result.stderr)
                before, after = self.show(source), self.show(target)
                self.assertEqual(after["version"], "0x02006000")
                self.assertEqual(after["messages"], [])
                for key in KEYS[2:-1]:
                    self.assertEqual(after[key], before[key], key)

    def test_newer_files_load_only_when_accepted(self):
        path = self.write("new.chr", character_files.sample(0x02008000))
        refused = run("show", path, "--data-root", DATA_ROOT, "--data", "en", "--lang", "en")
        self.assertEqual(refused.returncode, 1)
        self.assertEqual(refused.stdout, "")
        self.assertIn(NEWER_FILE_QUESTION, refused.stderr)
        accepted = self.show(path, "--accept-newer")
        self.assertEqual(accepted["version"], "0x02008000")
        self.assertTrue(accepted["messages"][0].startswith(NEWER_FILE_QUESTION))

    def test_bad_files_fail_with_a_reason_naming_the_file(self):
        good = character_files.sample(0x02006000)
        cases = {
            "short.chr": good[:40],
            "foreign.chr": b"GIF89a....",
            "race.chr": character_files.character_file(0x02006000, race=4000),
            "missing.chr": None,
        }
        for name, data in cases.items():
            with self.subTest(name=name):
                path = self.write(name, data) if data is not None else os.path.join(self.folder.name, name)
                result = run("show", path, "--data-root", DATA_ROOT, "--data", "en", "--lang", "en")
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stdout, "")
                self.assertIn(name, result.stderr)

    def test_settings_defaults_and_damaged_files(self):
        path = os.path.join(self.folder.name, "config.bin")
        self.assertEqual(run("settings", "--write-defaults", path).returncode, 0)
        with open(path, "rb") as f:
            data = f.read()
        self.assertEqual(data[:9], bytes.fromhex("07F40100000D000000"))
        shown = run("settings", path)
        self.assertEqual(shown.returncode, 0, shown.stderr)
        self.assertEqual(list(json.loads(shown.stdout).items()),
                         [("TOOLTIP_DELAY", 500), ("UI_TOOLTIPS", 1), ("SAVE_MODIFIED", 1), ("SHOW_EXPERIMENTAL", 0),
                          ("SHOW_OLD_RAS", 0), ("DONT_SAVE_SELECTION", 0), ("DEFAULT_DB", 0)])
        damaged = self.write("damaged.bin", data[:30])
        partial = run("settings", damaged)
        self.assertEqual(partial.returncode, 1)
        self.assertEqual(json.loads(partial.stdout), {"TOOLTIP_DELAY": 500})
        self.assertIn("damaged", partial.stderr)

    def test_help_lists_every_subcommand(self):
        result = run("--help")
        for command in ("check-data", "show", "upgrade", "settings"):
            self.assertIn(command, result.stdout)


if __name__ == "__main__":
    CLI, DATA_ROOT = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=1)
