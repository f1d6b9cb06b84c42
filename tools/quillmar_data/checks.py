"""Checks on the world; a failed check is a bug in the tables."""

import re

from .tables import (CLASSES, CLASS_BY_KEY, CLASS_REALM, LINE_POSITIONS, RACES, RACE_CORRECTIONS,
                     RAS_NF, SPELL_LINE_SWAP_34_35, SPELL_LINE_SWAP_34_39, STAT_RAISING_RAS)

_POSITION_WORDS = (("front", 1), ("behind", 2), ("side", 3), ("Front", 1), ("Behind", 2), ("Side", 3),
                   ("Ability", 9))
_REACTION_WORDS = (("evade", 4), ("block", 5), ("parry", 6), ("Evade", 4), ("Block", 5), ("Parry", 6),
                   ("target", 7), ("Target", 7))


def fold(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def check_world(world):
    spells = {s["id"]: s for s in world.spells}
    for lang in (0, 1):
        unique = lambda items, what: _check_unique([fold(i[lang]) for i in items], what)
        unique([c["name"] for c in world.classes], "class names")
        unique([line["name"] for line in world.spell_lines], "spell line names")
        unique([line["name"] for line in world.style_lines], "style line names")
        unique([c["name"] for c in world.categories], "spell category names")
        unique([k for k, _ in world.descriptions], "description keys")
        unique([r["name"] for r in world.ras_nf], "new-rules realm abilities")
        for c in world.categories:
            unique([spells[i]["name"] for i in c["spells"]], "spells of " + c["name"][1])
    _check_unique([s["id"] for s in world.spells], "spell ids")
    _check_unique([s["id"] for s in world.styles], "style ids")
    _check_unique([line["id"] for line in world.spell_lines], "spell line ids")
    _check_unique([line["id"] for line in world.style_lines], "style line ids")
    # A class's realm is the realm of its first race, and a shared race name
    # resolves to its first record, so the first race must be the realm's own.
    shared = {r[0][1] for r in RACES if sum(1 for o in RACES if o[0][1] == r[0][1]) > 1}
    for c in CLASSES:
        assert c[9][0] not in shared, c[0]
        assert 3 <= len(c[10]) + len(c[11]) <= 8, c[0]
    # Old character files rely on these positions.
    keys = [line["key"] for line in world.spell_lines]
    for position, key in LINE_POSITIONS.items():
        assert keys[position] == key, (position, key)
    own = {c[0]: [keys.index(s.rstrip("*")) for s in c[11]] for c in CLASSES}
    assert {34, 39} <= set(own[SPELL_LINE_SWAP_34_39]) and {34, 35} <= set(own[SPELL_LINE_SWAP_34_35])
    # Class positions 14, 29 and 30 came after the old numbering, so classes
    # that old files are converted for must sit elsewhere.
    class_keys = [c[0] for c in CLASSES]
    for cls in [SPELL_LINE_SWAP_34_39, SPELL_LINE_SWAP_34_35] + [r[0] for r in RACE_CORRECTIONS]:
        assert class_keys.index(cls) not in (14, 29, 30), cls
    for cls, old, new in RACE_CORRECTIONS:
        assert old not in CLASS_BY_KEY[cls][9] and new in CLASS_BY_KEY[cls][9], cls
        assert CLASS_REALM[cls] == next(r[1] for r in RACES if r[0][1] == new)
    nf_names = {r["name"][1] for r in world.ras_nf}
    for key in STAT_RAISING_RAS + ["ra_hp"]:
        assert world.ra_nf_name(key)[1] in nf_names, key
    assert world.ra_nf_name("ra_hp") == ("Belastbarkeit", "Toughness")
    assert any(line["name"] == ("Vergiften", "Player poisons") for line in world.spell_lines)
    # Prerequisites must be buyable by every class that may buy the ability.
    by_key = {r["key"]: r for r in world.ras_old}
    for r in world.ras_old:
        if r["prereq_key"]:
            assert set(r["classes"]) <= set(by_key[r["prereq_key"]]["classes"]), r["key"]
    # The ability list of a class is sorted by level, then by name; both
    # languages must give it the same shape, so no level may mix kinds whose
    # name order differs between German and English.
    for c in world.classes:
        shapes = [[(level, kind) for level, name, kind in sorted(class_ability_rows(world, c, lang))]
                  for lang in (0, 1)]
        assert shapes[0] == shapes[1], c["name"]
    assert len(world.spell_lines) >= 60 and len(world.style_lines) >= 30 and len(world.classes) >= 36
    assert len(world.ras_old) >= 25 and len(world.ras_nf) >= 25
    for c in world.categories:
        levels = [spells[i]["level"] for i in c["spells"]]
        assert levels == sorted(levels) and 1 <= levels[0] and levels[-1] == 50, c["name"]


def style_opening(style):
    """The opening code the program derives from a style record."""
    kind = 8 if style["follows"] else 0
    if not kind and style["position"].lower() != "any":
        kind = next((k for word, k in _POSITION_WORDS if word in style["position"]), 0)
    if not kind and style["reaction"].lower() != "none":
        kind = next((k for word, k in _REACTION_WORDS if word in style["reaction"]), 0)
    return kind + 128 if kind and style["stealth"] else kind


def check_page_coverage(world):
    """The shipped world must show every rule of the spells, styles and resists
    pages somewhere, so that a table change cannot quietly lose one."""
    spells = {s["id"]: s for s in world.spells}
    categories = {c["id"]: c for c in world.categories}
    lines = {line["id"]: line for line in world.spell_lines}
    first_spell = lambda cat_id: spells[categories[cat_id]["spells"][0]]
    class_lines = [(c, [lines[int(ref.rstrip("*"))] for ref in c["spells"]]) for c in world.classes]

    def classes_where(pred):
        return {c["key"] for c, own in class_lines if any(pred(line) for line in own)}

    # Spells page: every display mode, lines without a specialisation part,
    # and base groups that a level-10 character does not see yet.
    for mode in (0, 1, 2):
        uses = classes_where(lambda line: any(categories[i]["mode"] == mode for i in line["base"] + line["spec_cats"]))
        assert len(uses) >= 3, ("display mode", mode)
    assert len(classes_where(lambda line: line["base"] and line["spec"] is None)) >= 3, "base-only lines"
    assert classes_where(lambda line: not line["base"]), "line without base groups"
    assert len(classes_where(lambda line: any(first_spell(i)["level"] > 10 for i in line["base"]))) >= 3, \
        "late base groups"
    assert classes_where(lambda line: any(first_spell(i)["level"] > 10 for i in line["spec_cats"])), \
        "late specialisation groups"
    # Resists page: damage types in every realm, on both parts of a line, and
    # on a line that two classes of the realm share.
    for realm in (0, 1, 2):
        own = [(c, ls) for c, ls in class_lines if CLASS_REALM[c["key"]] == realm]
        rows = [(c["key"], line["id"], first_spell(i)["dtype"][1]) for c, ls in own for line in ls
                for i in line["base"] + line["spec_cats"] if first_spell(i)["dtype"][1]]
        assert len(rows) >= 15 and len({d for _, _, d in rows}) >= 4, ("damage types", realm)
        assert any(len({k for k, l, _ in rows if l == line_id}) >= 2 for _, line_id, _ in rows), ("shared", realm)
    assert any(first_spell(i)["dtype"][1] for line in world.spell_lines for i in line["base"]) and \
        any(first_spell(i)["dtype"][1] for line in world.spell_lines for i in line["spec_cats"]), "both parts"
    # Styles page: every opening, stealthed or not, chains three deep, and a
    # follow-up learned before the style it follows.
    taken = {int(ref.rstrip("*")) for c in world.classes for ref in c["styles"]}
    used = {i for line in world.style_lines if line["id"] in taken for i in line["styles"]}
    styles = {s["id"]: s for s in world.styles}
    codes = {style_opening(styles[i]) for i in used}
    assert codes >= set(range(10)) | set(range(129, 136)), sorted(set(range(10)) | set(range(129, 136)) - codes)

    def chain(style):
        found = [style]
        while found[-1]["follows"]:
            found.append(styles[found[-1]["follows"]])
        return found

    follow_ups = [styles[i] for i in used if styles[i]["follows"]]
    assert max(len(chain(s)) for s in follow_ups) >= 3, "chains three deep"
    assert any(styles[s["follows"]]["level"] > s["level"] for s in follow_ups), "follow-up below its predecessor"
    assert {style_opening(chain(s)[-1]) for s in follow_ups} & set(range(129, 136)), "stealthed chain start"
    described = {key for key, _ in world.descriptions}
    missing = [s["name"][1] for s in world.styles if s["name"] not in described]
    assert not missing, ("styles without description", missing)


def check_planner_coverage(world):
    """The shipped world must show every rule of the two realm-ability pages
    and of the master-level page somewhere."""
    names = [c["name"] for c in world.classes[:len(CLASSES)]]
    # Old rules: prerequisite chains whose every link asks for level 2 or more,
    # two and three abilities long; every way a reuse time is shown; a class
    # that has only active abilities next to classes that have both kinds.
    old = {r["name"]: r for r in world.ras_old if r["key"][0] == 0}

    def strict_chain(r):
        found = [r]
        while found[-1]["prereq"] and found[-1]["prereq_level"] >= 2:
            found.append(old[found[-1]["prereq"]])
        return len(found)

    lengths = {strict_chain(r) for r in old.values()}
    assert {2, 3} <= lengths, ("prerequisite chains", sorted(lengths))
    for r in old.values():
        if r["prereq"]:
            assert old[r["prereq"]]["costs"][r["prereq_level"] - 1] > 0, ("required level missing", r["name"][1])
    reuses = {r["reuse"] for r in old.values()}
    assert {0, 60, 61} <= reuses and max(reuses) > 3600, ("reuse times", sorted(reuses))
    kinds = [{r["active"] for r in old.values() if name in r["classes"]} for name in names]
    assert {True} in kinds, "class with only active abilities"
    assert sum(1 for k in kinds if k == {True, False}) >= len(names) // 2, "classes with both kinds"
    # New rules: every group for most classes, timed abilities with three
    # captions, and for every stat an augmenter whose captions all start with
    # the bonus.
    nf = world.ras_nf[:len(RAS_NF) + len(CLASSES)]
    for group in (0, 1, 2):
        having = [n for n in names if any(r["group"] == group and n in r["classes"] for r in nf)]
        assert len(having) >= len(names) * 3 // 4, ("new-rules group", group)
    assert any(r["group"] == 1 and sum(1 for c in r["captions"] if c[1]) == 3 for r in nf), "timed, three captions"
    by_name = {r["name"]: r for r in nf}
    for stat in ("str", "con", "dex", "qui", "int", "pie", "emp", "cha"):
        key = "ra_" + stat if stat in ("str", "con", "dex", "qui") else "ra_acu"
        r = by_name[world.ra_nf_name(key)]
        assert any(cls[1] in r["classes"] and (key != "ra_acu" or cls[2] == stat) for cls in CLASSES), \
            ("stat augmenter", stat)
        assert all(re.match(r"[+-]?[1-9]", c[lang]) for c in r["captions"] for lang in (0, 1)), key
    # Master levels: every timer icon and levels without one, and markup in
    # the descriptions of tracks and of levels.
    tracks = [m for m in world.master_levels if m["level"] == 0]
    levels = [m for m in world.master_levels if m["level"] > 0]
    assert {m["timer"] for m in levels} >= set(range(8)), "timer values"
    for tag in ("<b>", "<br>", "<i>"):
        for part in (tracks, levels):
            assert any(tag in m["text"][0] and tag in m["text"][1] for m in part), ("markup", tag)


def class_ability_rows(world, cls, lang):
    """(level, name bytes, kind) of a class's ability list, as the planner builds it."""
    rows = []
    rest = next(entries for name, entries in world.ability_rest if name == cls["name"])
    for name, level in rest:
        text = name[lang]
        kind = 3 if ("Armor:" in text or "Rüstung:" in text) else 4 if ("Shields:" in text or "Schilde:" in text) else 0
        rows.append((level, text.encode("cp1252"), kind))
    _, styles, spells = next(r for r in world.ability_lines if r[0] == cls["name"])
    for name, level in styles:
        rows.append((level, name[lang].encode("cp1252"), 1))
    lines = {line["id"]: line for line in world.spell_lines}
    for line_id, level in spells:
        line = lines[line_id]
        rows.append((level, line["name"][lang].encode("cp1252"), 1))
        if line["spec"] is not None:
            rows.append((5, line["spec"][lang].encode("cp1252"), 2))
    return rows


def _check_unique(values, what):
    seen = set()
    for v in values:
        if v in seen:
            raise SystemExit("generate_data.py: duplicate in %s: %r" % (what, v))
        seen.add(v)
