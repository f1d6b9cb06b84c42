#!/usr/bin/env python3
"""End-to-end tests of quillmar-cli on the committed character files:
    cli_test.py CLI DATA_ROOT TEST_DATA
`show` of every tests/data/chr/NAME.chr must print tests/data/chr/NAME.json; with
QUILLMAR_UPDATE_GOLDEN=1 in the environment the JSON files are rewritten instead."""

import difflib
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

CLI = DATA_ROOT = CHR = PAGES = None
CURRENT = "0x02006000"
NEWER = "v2007"  # from a newer program: read only when accepted
RACE_OFFSET = 75  # of a current file with the one option "CarrerMode"


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, encoding="utf-8", timeout=60)


def show_args(path, data="en"):
    return ["show", path, "--data-root", DATA_ROOT, "--data", data, "--lang", "en", "--accept-newer"]


def golden_text(shown):
    # One top-level key a line keeps the files short; a diff is shown indented.
    return "{\n" + ",\n".join(json.dumps(k) + ": " + json.dumps(v, ensure_ascii=False) for k, v in shown.items()) + "\n}\n"


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

    def show(self, path, data="en"):
        result = run(*show_args(path, data))
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def test_show_prints_the_golden_json_of_every_file(self):
        files = sorted(glob.glob(os.path.join(CHR, "*.chr")))
        self.assertEqual(len(files), 8)
        for path in files:
            with self.subTest(file=os.path.basename(path)):
                shown = self.show(path)
                self.assertGolden(shown, os.path.splitext(path)[0] + ".json")

    def assertGolden(self, shown, golden):
        if os.environ.get("QUILLMAR_UPDATE_GOLDEN") == "1":
            with open(golden, "w", encoding="utf-8") as f:
                f.write(golden_text(shown))
            return
        with open(golden, encoding="utf-8") as f:
            expected = json.load(f)
        if shown != expected:
            diff = difflib.unified_diff(json.dumps(expected, indent=1).splitlines(),
                                        json.dumps(shown, indent=1).splitlines(), golden, "shown", lineterm="")
            self.fail("\n".join(diff))

    def page(self, name, *args, data="en"):
        result = run("page", name, *args, "--data-root", DATA_ROOT, "--data", data, "--lang", "en")
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def test_stats_and_skills_pages_show_the_character(self):
        path = os.path.join(CHR, "v2006.chr")
        for name in ("stats", "skills"):
            with self.subTest(page=name):
                self.assertGolden(self.page(name, path), os.path.join(PAGES, name + "_v2006_en.json"))

    def test_spells_page_follows_the_stored_options_and_their_overrides(self):
        path = os.path.join(CHR, "v2006.chr")
        self.assertGolden(self.page("spells", path), os.path.join(PAGES, "spells_v2006_en.json"))
        every = self.page("spells", path, "--set", "ShowAllSpells=1")["rows"]
        top = self.page("spells", path, "--set", "ShowAllSpells=1", "--set", "ShowOnlyTopSpells=1")["rows"]
        named = self.page("spells", path, "--set", "ShowAllSpells=1", "--set", "ShowOnlyTopSpells=1",
                          "--set", "UseSpellTypeAsName=1")["rows"]
        self.assertLess(len(top), len(every))
        self.assertEqual([row["kind"] for row in named if row["kind"] != 0], [row["kind"] for row in top if row["kind"] in (1, 3)])
        self.assertEqual(run("page", "spells", path, "--set", "ShowAllSpells=x").returncode, 1)

    def test_styles_page_filters_choose_the_tree(self):
        path = os.path.join(CHR, "v2006.chr")
        full = self.page("styles", path, "--set", "ShowAllStyles=1")
        self.assertGolden(full, os.path.join(PAGES, "styles_v2006_en.json"))
        self.assertLess(len(self.page("styles", path)["rows"]), len(full["rows"]))
        flat = lambda nodes: [n["data"] for n in nodes] + [d for n in nodes for d in flat(n["children"])]
        line = full["lineFilter"][1]
        one_line = self.page("styles", path, "--set", "ShowAllStyles=1", "--line", line)
        header = [i for i, row in enumerate(full["rows"]) if row["data"] == 1]
        own = {row["data"] for row in full["rows"][header[0] + 1:header[1]]}
        self.assertTrue(flat(one_line["tree"]) and set(flat(one_line["tree"])) <= own)
        behind = self.page("styles", path, "--set", "ShowAllStyles=1", "--opening", "2")
        self.assertTrue(all(node["picture"] == 2 for node in behind["tree"]))
        self.assertLess(len(flat(behind["tree"])), len(flat(full["tree"])))
        self.assertEqual(run("page", "styles", path, "--line", "No such line").returncode, 1)
        self.assertEqual(run("page", "styles", path, "--opening", "77").returncode, 1)

    def test_realm_ability_pages_buy_as_the_page_clicks(self):
        path = os.path.join(CHR, "v2006.chr")
        old = self.page("ra", path)
        self.assertGolden(old, os.path.join(PAGES, "ra_v2006_en.json"))
        self.assertGolden(self.page("ranf", path), os.path.join(PAGES, "ranf_v2006_en.json"))
        first = next(row for row in old["rows"] if row["kind"] != 2 and row["level"] < 2 and
                     len(row["buttons"]) >= 2 and row["buttons"][1]["available"])
        costs = [int(button["caption"]) for button in first["buttons"]]
        bought = self.page("ra", path, "--buy", first["name"] + "=2")
        self.assertEqual(next(r for r in bought["rows"] if r["name"] == first["name"])["level"], 2)
        self.assertEqual(bought["used"], old["used"] - sum(costs[:first["level"]]) + sum(costs[:2]))
        # The bought level again clears it; by name there is no separator.
        cleared = self.page("ra", path, "--buy", first["name"] + "=2", "--buy", first["name"] + "=2")
        self.assertEqual(next(r for r in cleared["rows"] if r["name"] == first["name"])["level"], 0)
        self.assertNotIn(2, [r["kind"] for r in self.page("ra", path, "--sort", "name")["rows"]])
        # Without points a purchase is refused unless the point check is off.
        poor = ["--set", "CoopMode=0"]
        nf = self.page("ranf", path, *poor)
        timed = next(r for r in nf["rows"] if not r["header"] and r["group"] == 1 and r["level"] == 0)
        buy = timed["name"] + "=3"
        self.assertEqual(self.page("ranf", path, "--buy-nf", buy, "--set", "CheckRAPoints=0")["used"], nf["used"])
        self.assertEqual(self.page("ranf", path, "--buy-nf", buy, "--set", "CheckRAPoints=1")["used"], nf["used"] + 30)
        for bad in (["--buy", "Nobody=1"], ["--buy", first["name"] + "=9"], ["--sort", "level"]):
            self.assertEqual(run("page", "ra", path, *bad).returncode, 1, bad)

    def test_resists_page_rows_realm_boxes_and_sort_clicks(self):
        full = self.page("resists", "-")
        self.assertGolden(full, os.path.join(PAGES, "resists_en.json"))
        rows = full["rows"]
        self.assertEqual(self.page("resists", "-", "--realms", "")["rows"], [])
        realms = ["Caldor", "Glenmora", "Nordhal"]
        self.assertEqual(self.page("resists", "-", "--realms", "2,0")["rows"],
                         [row for row in rows if row[0] in (realms[0], realms[2])])
        # DamType twice sorts it descending; Class then sorts ascending, equal classes keeping that order.
        by_bytes = lambda column: lambda row: row[column].encode("cp1252")
        expected = sorted(sorted(rows, key=by_bytes(1), reverse=True), key=by_bytes(3))
        self.assertEqual(self.page("resists", "-", "--sort", "1", "1", "3")["rows"], expected)
        self.assertEqual(run("page", "resists", "-", "--realms", "0,3").returncode, 1)
        self.assertEqual(run("page", "resists", "-", "--set", "NoValue").returncode, 1)

    def test_ml_page_marks_the_reached_levels_of_the_chosen_track(self):
        path = os.path.join(CHR, "v2006.chr")
        stored = self.page("ml", path)
        self.assertGolden(stored, os.path.join(PAGES, "ml_v2006_en.json"))
        marks = lambda page: ["".join("1" if row["marked"] else "0" for row in rows) for rows in page["lists"]]
        self.assertEqual(marks(stored), ["0" * 10, "1" * 6 + "0" * 4])
        first = self.page("ml", path, "--ml-track", "0", "--ml-level", "10")
        self.assertEqual((first["chosen"], first["level"], marks(first)), (0, 10, ["1" * 10, "0" * 10]))
        self.assertEqual([r["name"] for r in first["lists"][0]], [r["name"] for r in stored["lists"][0]])
        self.assertNotEqual(first["description"], stored["description"])
        self.assertEqual(marks(self.page("ml", path, "--ml-level", "0")), ["0" * 10] * 2)
        for bad in (["--ml-track", "2"], ["--ml-level", "11"], ["--ml-level", "-1"]):
            self.assertEqual(run("page", "ml", path, *bad, "--data-root", DATA_ROOT).returncode, 1, bad)

    def test_share_codes_travel_as_the_upgraded_file(self):
        for path in sorted(glob.glob(os.path.join(CHR, "*.chr"))):
            with self.subTest(file=os.path.basename(path)):
                common = ["--data-root", DATA_ROOT, "--data", "en", "--lang", "en", "--accept-newer"]
                shared = run("share", path, *common)
                self.assertEqual(shared.returncode, 0, shared.stderr)
                code = shared.stdout.strip()
                self.assertTrue(code.startswith("QM1:") and len(code) < 1200)
                back = os.path.join(self.folder.name, "back.chr")
                upgraded = os.path.join(self.folder.name, "upgraded.chr")
                self.assertEqual(run("unshare", code, back, *common).returncode, 0)
                self.assertEqual(run("upgrade", path, upgraded, *common).returncode, 0)
                with open(back, "rb") as a, open(upgraded, "rb") as b:
                    self.assertEqual(a.read(), b.read())
        for bad in ("", "QM1:", "QM1:AAAA", "QM2:" + code[4:], code[:-3]):
            result = run("unshare", bad, os.path.join(self.folder.name, "bad.chr"))
            self.assertEqual(result.returncode, 1, bad)
            self.assertIn("code", result.stderr)
            self.assertFalse(os.path.exists(os.path.join(self.folder.name, "bad.chr")))

    def test_diff_exits_like_diff_and_lists_signed_deltas(self):
        a, b = os.path.join(CHR, "v2002.chr"), os.path.join(CHR, "v2003.chr")
        common = ["--data-root", DATA_ROOT, "--data", "en", "--lang", "en"]
        same = run("diff", a, a, *common)
        self.assertEqual(same.returncode, 0, same.stderr)
        self.assertFalse(any(field["differs"] for field in json.loads(same.stdout)["fields"]))
        other = run("diff", a, b, *common)
        self.assertEqual(other.returncode, 1)
        fields = {field["name"]: field for field in json.loads(other.stdout)["fields"]}
        level = fields["Level"]
        self.assertTrue(level["differs"] and level["delta"] is None)
        for field in fields.values():
            if field["delta"] is not None:
                self.assertEqual(field["delta"], int(field["b"]) - int(field["a"]))
                self.assertEqual(field["differs"], field["delta"] != 0)
        self.assertEqual(run("diff", a, os.path.join(self.folder.name, "missing.chr"), *common).returncode, 2)

    def test_upgrade_writes_the_current_version_with_the_same_character(self):
        for path in sorted(glob.glob(os.path.join(CHR, "*.chr"))):
            with self.subTest(file=os.path.basename(path)):
                target = os.path.join(self.folder.name, "new.chr")
                upgrade = ["upgrade", path, target, "--data-root", DATA_ROOT, "--data", "de", "--lang", "en"]
                result = run(*upgrade, "--accept-newer")
                self.assertEqual(result.returncode, 0, result.stderr)
                before, after = self.show(path), self.show(target)
                self.assertEqual((after.pop("version"), after.pop("messages")), (CURRENT, []))
                del before["version"], before["messages"]
                self.assertEqual(after, before)
                if os.path.basename(path) in ("v2006.chr", NEWER + ".chr"):
                    with open(os.path.join(CHR, "v2006.chr"), "rb") as f, open(target, "rb") as g:
                        self.assertEqual(g.read(), f.read())

    def test_a_newer_file_is_refused_unless_accepted(self):
        refused = run(*show_args(os.path.join(CHR, NEWER + ".chr"))[:-1])
        self.assertEqual((refused.returncode, refused.stdout), (1, ""))
        self.assertIn("This file was created by a newer version.", refused.stderr)

    def test_bad_files_fail_with_a_reason_naming_the_file(self):
        with open(os.path.join(CHR, "v2006.chr"), "rb") as f:
            good = f.read()
        race = good[:RACE_OFFSET] + (4000).to_bytes(4, "little") + good[RACE_OFFSET + 4:]
        cases = {"short.chr": good[:40], "foreign.chr": b"GIF89a....", "race.chr": race, "missing.chr": None}
        for name, data in cases.items():
            with self.subTest(name=name):
                path = self.write(name, data) if data is not None else os.path.join(self.folder.name, name)
                result = run(*show_args(path))
                self.assertEqual((result.returncode, result.stdout), (1, ""))
                self.assertIn(name, result.stderr)
        self.assertIn("race number 4000", run(*show_args(self.write("race.chr", race))).stderr)

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
        partial = run("settings", self.write("damaged.bin", data[:30]))
        self.assertEqual(partial.returncode, 1)
        self.assertEqual(json.loads(partial.stdout), {"TOOLTIP_DELAY": 500})
        self.assertIn("damaged", partial.stderr)

    def test_check_data_warns_about_short_records_and_fails_on_them_only_when_strict(self):
        root = os.path.join(self.folder.name, "root")
        shutil.copytree(os.path.join(DATA_ROOT, "en"), os.path.join(root, "en"))
        clean = run("check-data", "--data-root", root, "--strict", "en")
        self.assertEqual((clean.returncode, "warning:" in clean.stdout), (0, False), clean.stdout)
        with open(os.path.join(root, "en", "abilities_desc.dat"), "ab") as f:
            f.write(b"A key with no description\n")
        for strict, code in ((False, 0), (True, 1)):
            with self.subTest(strict=strict):
                result = run("check-data", "--data-root", root, *(["--strict"] if strict else []), "en")
                self.assertEqual(result.returncode, code, result.stdout)
                self.assertTrue(result.stdout.endswith(
                    "warning: abilities_desc.dat: 1 of 545 records has fewer than 2 fields (the first on line 547)\n"),
                    result.stdout)

    def test_calc_runs_the_script_as_the_page_does(self):
        calc = lambda *args: run("calc", os.path.join(CHR, "v2006.chr"), "--data-root", DATA_ROOT, "--data", "en",
                                 "--lang", "en", *args)
        sample = calc()  # the calc.lua beside the tool
        self.assertEqual(sample.returncode, 0, sample.stderr)
        shown = json.loads(sample.stdout)
        self.assertEqual((shown["errors"], shown["rows"][0]), ([], ["Example formulas", "not official"]))
        script = self.write("calc.lua", b"output(1, 'a') output(1, 2, 3) log('x', 2) print('p') io.write('w') error('boom')")
        failed = calc("--script", script)
        self.assertEqual((failed.returncode, failed.stderr.startswith("p\nw")), (1, True), failed.stderr)
        shown = json.loads(failed.stdout)
        self.assertEqual((shown["rows"], shown["columns"], shown["log"][0]), ([["1", "a"], ["1", "2", "3"]], 3, "x2"))
        self.assertEqual(shown["errors"], [script + ":1: boom\n\n(use 'cancel' to deactivate script till reload)"])
        runaway = calc("--script", self.write("loop.lua", b"while true do end"), "--timeout-ms", "50")
        self.assertEqual(runaway.returncode, 1)
        self.assertIn("took too long (more than 50 ms)", json.loads(runaway.stdout)["errors"][0])
        self.assertEqual(calc("--timeout-ms", "0").returncode, 1)

    def test_help_lists_every_subcommand(self):
        result = run("--help")
        for command in ("check-data", "show", "upgrade", "page", "settings", "calc"):
            self.assertIn(command, result.stdout)


if __name__ == "__main__":
    CLI, DATA_ROOT = sys.argv[1], sys.argv[2]
    CHR, PAGES = os.path.join(sys.argv[3], "chr"), os.path.join(sys.argv[3], "pages")
    unittest.main(argv=sys.argv[:1], verbosity=1)
