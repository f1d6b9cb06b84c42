#!/usr/bin/env python3
"""The character sheet as PDF from the command line, end to end: quillmar
--export-pdf writes it without a display, and pdftotext finds the blocks in
their order, the page numbers and the effects of the print options.

    sheet_pdf_test.py QUILLMAR DATA_ROOT TEST_DATA
"""
import os
import re
import subprocess
import sys
import tempfile

QUILLMAR, DATA_ROOT, TEST_DATA = sys.argv[1:4]
PLAIN = {f"Print{key}=0" for key in ("NoStyles", "AllStyles", "StyleSort", "NoSpells", "AllSpells",
                                    "SpellDesc", "NoRAs", "AllRAs")}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def export(character, out, *settings, env_extra=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(env_extra or {})
    given = {s.split("=")[0] for s in settings}
    args = [QUILLMAR, "--export-pdf", out, character, "--data", "en", "--data-root", DATA_ROOT, "--lang", "en"]
    for setting in sorted(s for s in PLAIN if s.split("=")[0] not in given) + list(settings):
        args += ["--set", setting]
    return subprocess.run(args, env=env, capture_output=True, text=True, timeout=60)


def pages_of(pdf):
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
    return text.split("\f")[:-1] if text.endswith("\f") else text.split("\f")


def in_order(text, words, label):
    position = 0
    for word in words:
        found = text.find(word, position)
        check(found >= 0, f"{label}: '{word}' missing or out of order")
        position = max(found, position)


with tempfile.TemporaryDirectory() as folder:
    chr_single = os.path.join(TEST_DATA, "chr", "v2003.chr")
    chr_career = os.path.join(TEST_DATA, "chr", "v2002.chr")

    # A single-mode character on one page, without a display and without page numbers.
    out = os.path.join(folder, "single.pdf")
    run = export(chr_single, out)
    check(run.returncode == 0, f"single: exit {run.returncode}: {run.stderr}")
    pages = pages_of(out)
    check(len(pages) == 1, f"single: {len(pages)} pages")
    text = pages[0]
    in_order(text, ["Velk - Charakterbogen", "Charakter", "Basis-Stats", "Master-Level", "Name:", "v2003",
                    "Level:", "40", "Realm:", "Glenmora", "Klasse:", "Mistwalker", "Rasse:", "Datum:", "Ver:",
                    "Name", "Level", "Pre", "Attack", "Defense", "Fatigue", "Damage", "Effect",
                    "Target", "C/D/R", "Range/Radius", "Cost"], "single")
    check("R 3 L 3 (" in text and " rps)" in text, "single: realm rank text")
    check(re.search(r"Datum:\s+\d\d\.\d\d\.\d\d \d\d:\d\d", text) is not None, "single: date format")
    check("Seite" not in text, "single: a page number on a one-page sheet")
    info = subprocess.run(["pdfinfo", out], capture_output=True, text=True).stdout
    check(re.search(r"^Title:\s+v2003$", info, re.M) is not None, "single: PDF title")

    # The career character at level 50 with every style and spell and the descriptions.
    out = os.path.join(folder, "career.pdf")
    run = export(chr_career, out, "PrintAllStyles=1", "PrintAllSpells=1", "PrintSpellDesc=1", "PrintAllRAs=1")
    check(run.returncode == 0, f"career: exit {run.returncode}: {run.stderr}")
    pages = pages_of(out)
    count = len(pages)
    check(count > 2, f"career: only {count} pages")
    for number, page in enumerate(pages, 1):
        check(f"Seite {number} / {count}" in page, f"career: page {number} has no 'Seite {number} / {count}'")
    check(pages[0].count("Velk - Charakterbogen") == 1 and "Velk - Charakterbogen" not in "".join(pages[1:]),
          "career: the title belongs on the first page only")
    whole = "\n".join(pages)
    in_order(whole, ["Basis-Stats", "40.5", "50", "Fatigue", "C/D/R", "Levels:", "abkz", "Level 5"], "career")
    check(re.search(r"\b1\s+2\s+3\s+4\s+5\b", pages[0]) is not None, "career: grid heading")

    # Left-out tables leave nothing behind.
    out = os.path.join(folder, "none.pdf")
    run = export(chr_career, out, "PrintNoStyles=1", "PrintNoSpells=1", "PrintNoRAs=1", "PrintSpellDesc=1")
    check(run.returncode == 0, f"none: exit {run.returncode}")
    text = "\n".join(pages_of(out))
    for word in ("Fatigue", "C/D/R", "abkz", "Levels:", "Seite"):
        check(word not in text, f"none: '{word}' printed")

    # Failures: nothing half written, a reason on stderr.
    out = os.path.join(folder, "no", "such", "folder", "x.pdf")
    run = export(chr_single, out)
    check(run.returncode != 0 and run.stderr.strip(), "missing folder: no failure reported")
    check(not os.path.exists(os.path.join(folder, "no")), "missing folder: something was written")
    run = export(os.path.join(folder, "missing.chr"), os.path.join(folder, "m.pdf"))
    check(run.returncode != 0 and run.stderr.strip() and not os.path.exists(os.path.join(folder, "m.pdf")),
          "missing character: no failure reported")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
