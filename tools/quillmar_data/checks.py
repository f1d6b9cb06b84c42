"""Checks on the world; a failed check is a bug in the tables."""

from .tables import (CLASSES, CLASS_BY_KEY, CLASS_REALM, LINE_POSITIONS, RACES, RACE_CORRECTIONS,
                     SPELL_LINE_SWAP_34_35, SPELL_LINE_SWAP_34_39, STAT_RAISING_RAS)


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
