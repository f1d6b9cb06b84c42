"""The data files of one language folder: Windows-1252, LF line ends."""

import os

from .tables import REALMS, STAT_NAMES
from .texts import decimal

LANGS = ("de", "en")


def field(text, separator):
    """One field of a data file; quoted when it holds the separator. The
    readers have no escapes and a 1023-byte field buffer, and trim blanks."""
    data = text.encode("cp1252")
    if b'"' in data or b"\n" in data or b"\r" in data:
        raise SystemExit("generate_data.py: field cannot be written: %r" % text)
    if text != text.strip():
        raise SystemExit("generate_data.py: field has outer blanks: %r" % text)
    if len(data) > 1023:
        raise SystemExit("generate_data.py: field longer than 1023 bytes: %r" % text[:60])
    return '"%s"' % text if separator in text else text


class DataFile:
    def __init__(self, name, header):
        self.name = name
        self.separator = "," if name.endswith(".dat") else ";"
        comment = ";" if self.separator == "," else "/"
        self.lines = ["%s Velkara game data, written by tools/generate_data.py; edit the generator." % comment,
                      "%s %s" % (comment, header)]

    def record(self, fields):
        texts = [field(str(f), self.separator) for f in fields]
        assert texts[0] and texts[0][0] not in ";/", texts[0]
        self.lines.append(self.separator.join(texts))

    def data(self):
        return ("\n".join(self.lines) + "\n").encode("cp1252")


def write_language(world, lang, folder):
    files = []

    def new(name, header):
        f = DataFile(name, header)
        files.append(f)
        return f

    def t(pair):
        return pair[lang]

    f = new("races.csv", "name; realm; str; con; dex; qui; int; pie; emp; cha; nine resist bonuses")
    for name, realm, stats, resists in world.races:
        f.record([t(name), REALMS[realm]] + list(stats) + list(resists))

    f = new("styles.csv", "id; name; level; position; reaction; stealth; follows; attack; defence bonus; "
                          "fatigue; damage; effect; defence penalty")
    for s in world.styles:
        f.record([s["id"], t(s["name"]), s["level"], s["position"], s["reaction"], "yes" if s["stealth"] else "no",
                  s["follows"], t(s["attack"]), t(s["bonus"]), t(s["fatigue"]), t(s["damage"]), t(s["effect"]),
                  t(s["penalty"])])

    f = new("stylelines.dat", "id, name, count, style ids")
    for line in world.style_lines:
        f.record([line["id"], t(line["name"]), len(line["styles"])] + line["styles"])

    f = new("spells.csv", "id; name; level; target; cast / duration / recast; range; cost; effect; damage type")
    for s in world.spells:
        f.record([s["id"], t(s["name"]), s["level"], t(s["target"]), t(s["times"]), t(s["range"]), t(s["cost"]),
                  t(s["effect"]), t(s["dtype"])])

    f = new("spellscat_descriptions.dat", "category name, title, description")
    for c in world.cat_texts:
        f.record([t(c["key"]), t(c["title"]), t(c["text"])])

    f = new("spellscat.dat", "id, display mode, name, count, spell ids")
    for c in world.categories:
        f.record([c["id"], c["mode"], t(c["name"]), len(c["spells"])] + c["spells"])

    f = new("spelllines.dat", "id, tag, name, count, base category ids, specialisation name or 0, count, ids")
    for line in world.spell_lines:
        fields = [line["id"], t(line["tag"]), t(line["name"]), len(line["base"])] + line["base"]
        if line["spec"] is None:
            fields.append(0)
        else:
            fields += [t(line["spec"]), len(line["spec_cats"])] + line["spec_cats"]
        f.record(fields)

    f = new("classes.dat", "name, casting stat or 0, primary, secondary, tertiary, spec multiplier, hit-point "
                           "base, hit points per constitution, races, style lines, spell lines (* auto-train), "
                           "female only")
    for c in world.classes:
        f.record([t(c["name"]), "0" if c["cast"] is None else STAT_NAMES[c["cast"]]]
                 + [STAT_NAMES[s] for s in c["stats"]]
                 + [decimal(c["mult"], 1), c["hp"][0], decimal(c["hp"][1], 1), len(c["races"])]
                 + [t(r) for r in c["races"]] + [len(c["styles"])] + c["styles"] + [len(c["spells"])]
                 + c["spells"] + ["true" if c["female"] else "false"])

    f = new("ras.csv", "name; kind; reuse seconds; cost of levels 1-5; prerequisite; its level; description; "
                       "classes")
    for r in world.ras_old:
        f.record([t(r["name"]), "active" if r["active"] else "passive", r["reuse"]] + list(r["costs"])
                 + ["" if r["prereq"] is None else t(r["prereq"]), r["prereq_level"], t(r["text"])]
                 + [t(c) for c in r["classes"]])

    f = new("rasnf.csv", "group; name; abbreviation; kind; description; captions 1-5 (group 0) or reuse and "
                         "captions 1-4; classes")
    for r in world.ras_nf:
        captions = [t(c) for c in r["captions"]]
        if r["group"] == 0:
            slots = (captions + [""] * 5)[:5]
        else:
            slots = [t(r["reuse"])] + (captions + [""] * 4)[:4]
        f.record([r["group"], t(r["name"]), r["abbr"], "active" if r["active"] else "passive", t(r["text"])]
                 + slots + [", ".join(t(c) for c in r["classes"])])

    f = new("abilities_rest.dat", "class, count, then ability name and level pairs")
    for cls, entries in world.ability_rest:
        fields = [t(cls), len(entries)]
        for name, level in entries:
            fields += [t(name), level]
        f.record(fields)

    f = new("abilities.dat", "class, count, style line name and level pairs, count, spell line id and level "
                             "pairs")
    for cls, styles, spells in world.ability_lines:
        fields = [t(cls), len(styles)]
        for name, level in styles:
            fields += [t(name), level]
        fields.append(len(spells))
        for line_id, level in spells:
            fields += [line_id, level]
        f.record(fields)

    f = new("abilities_desc.dat", "key, description")
    for key, text in world.descriptions:
        f.record([t(key), t(text)])

    f = new("malines.csv", "class; first track; second track")
    for cls, first, second in world.master_classes:
        f.record([t(cls), t(first), t(second)])

    f = new("malevel.csv", "track; level (0 = the track); name; description; target; cast time; duration; "
                           "recast; radius and range; timer icon")
    for m in world.master_levels:
        f.record([t(m["track"]), m["level"], t(m["name"]), t(m["text"]), t(m["target"]), t(m["cast"]),
                  t(m["duration"]), t(m["recast"]), t(m["range"]), m["timer"]])

    os.makedirs(folder, exist_ok=True)
    for f in files:
        write_bytes(os.path.join(folder, f.name), f.data())


def write_bytes(path, data):
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
