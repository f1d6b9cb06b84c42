"""The world built from the tables: every record of every data file, in file
order, for both languages. A scale above one copies the world with numbered
names and shifted ids.
"""

from .tables import (ABILITIES, ARCHETYPES, ARMOUR, CLASSES, DAMAGE_TYPES, ENDURANCE_LINES, LATE_ARCHETYPES,
                     LINE_POSITIONS, MASTER_LEVELS, MASTER_TRACKS, MELEE_NAMES, MELEE_SLOTS, OLD_RULES_ACTIVE_ONLY,
                     RACES, RACE_NAMES, RANGED_LEVELS, RANGED_NAMES, RAS_NF, RAS_OLD, SHIELD_NAMES, SHIELD_SIZES,
                     SHIELD_SLOTS, SIGNATURES, SPELL_LINES, SPELL_LINE_ID_BASE, STEALTH_NAMES, STEALTH_SLOTS,
                     STYLE_LINES, THEMES, _N)
from .texts import (ARMOUR_TEXT, GRADES, RANGED_EFFECTS, STAT_TEXTS, STYLE_EFFECTS, ability_description,
                    armour_description, bi, category_description, compound, line_description,
                    shield_description, spec_description, spell_cost, spell_times, stat_description,
                    style_description, track_description, weapon_description)


class World:
    """Every record of every data file, in file order, for both languages."""

    def __init__(self, scale):
        self.races = RACES
        self.styles = []
        self.style_lines = []
        self.spells = []
        self.cat_texts = []
        self.categories = []
        self.spell_lines = []
        self.classes = []
        self.ras_old = []
        self.ras_nf = []
        self.ability_rest = []
        self.ability_lines = []
        self.descriptions = []
        self.master_classes = []
        self.master_levels = []
        self._next_style_id = 1
        self._next_spell_id = 1
        self._next_category_id = 1
        for copy in range(scale):
            self._build_copy(copy)

    # -- helpers ------------------------------------------------------------

    @staticmethod
    def _suffix(copy):
        return "" if copy == 0 else " %d" % (copy + 1)

    def _named(self, pair, copy):
        s = self._suffix(copy)
        return (pair[0] + s, pair[1] + s)

    def ra_nf_name(self, key):
        for r in RAS_NF:
            if r[0] == key:
                return r[2]
        raise KeyError(key)

    def describe(self, key, text):
        self.descriptions.append((key, text))

    # -- one copy of the world ----------------------------------------------

    def _build_copy(self, copy):
        line_ids = self._build_style_lines(copy)
        spell_line_ids = self._build_spell_lines(copy)
        class_names = self._build_classes(copy, line_ids, spell_line_ids)
        self._build_realm_abilities(copy, class_names)
        self._build_abilities(copy, class_names, line_ids, spell_line_ids)
        self._build_master_levels(copy, class_names)

    def _build_style_lines(self, copy):
        ids = {}
        for index, (key, line_id, name, kind, stem, _weapon) in enumerate(STYLE_LINES):
            line_id += 100 * copy
            ids[key] = line_id
            name = self._named(name, copy)
            if kind == "melee":
                slots = [s + (False,) for s in MELEE_SLOTS[:15 - index % 4]]
                names = MELEE_NAMES
            elif kind == "stealth":
                slots = STEALTH_SLOTS
                names = STEALTH_NAMES
            elif kind == "shield":
                slots = [s + (False,) for s in SHIELD_SLOTS]
                names = SHIELD_NAMES
            else:
                slots = [(lv, "Ability", _N, None, 1 + i % 4, _N, _N, 1 + i // 2, 1 + i % 4, None, False)
                         for i, lv in enumerate(RANGED_LEVELS)]
                names = RANGED_NAMES
            # A slot text given as a tuple differs between the lines of a kind:
            # the n-th line of the kind takes the n-th entry.
            kind_index = sum(1 for other in STYLE_LINES[:index] if other[3] == kind)

            def pick(value):
                return value[kind_index % len(value)] if isinstance(value, tuple) else value

            # Styles may follow a later slot of their line, so names and ids of
            # the whole line are known before the first style is built.
            first_id = self._next_style_id
            style_names = []
            for slot_index in range(len(slots)):
                tail = names[(slot_index + index * 5) % len(names)]
                style_names.append(self._named((compound(stem[0], tail[0]), stem[1] + " " + tail[1]), copy))
            style_ids = []
            for slot_index, slot in enumerate(slots):
                level, position, reaction, follows, attack, bonus, penalty, fatigue, damage, effect, stealth = slot
                style_name = style_names[slot_index]
                style = {
                    "id": self._next_style_id, "name": style_name, "level": level,
                    "position": pick(position), "reaction": pick(reaction), "stealth": stealth,
                    "follows": 0 if follows is None else first_id + follows,
                    "follows_name": None if follows is None else style_names[follows],
                    "attack": GRADES[attack], "bonus": bi(bonus) if bonus == _N else GRADES[bonus],
                    "fatigue": GRADES[fatigue], "damage": GRADES[damage],
                    "effect": STYLE_EFFECTS[effect](level) if kind != "ranged" else RANGED_EFFECTS[slot_index],
                    "penalty": bi(penalty) if penalty == _N else GRADES[penalty],
                    "line": name,
                }
                self._next_style_id += 1
                self.styles.append(style)
                style_ids.append(style["id"])
                self.describe(style_name, style_description(style))
            self.style_lines.append({"id": line_id, "name": name, "styles": style_ids, "kind": kind})
        return ids

    def _ordered_spell_lines(self):
        order = [line for line in SPELL_LINES if line[0] not in LINE_POSITIONS.values()]
        by_key = {line[0]: line for line in SPELL_LINES}
        for position in sorted(LINE_POSITIONS):
            order.insert(position, by_key[LINE_POSITIONS[position]])
        return order

    def _spell_line_id(self, key, copy):
        if key == "poison":
            base = SPELL_LINE_ID_BASE["poison"]
        else:
            realm_keys = [line[0] for line in SPELL_LINES if line[0][:2] == key[:2]]
            base = SPELL_LINE_ID_BASE[key[0]] + realm_keys.index(key)
        return base + 1000 * copy

    def _build_spell_lines(self, copy):
        ids = {}
        for key, name, tag, spec, base_text, spec_text in self._ordered_spell_lines():
            line_id = self._spell_line_id(key, copy)
            ids[key] = line_id
            name = self._named(name, copy)
            tag = name if tag is None else self._named(tag, copy)
            spec = None if spec is None else self._named(spec, copy)
            endurance = key in ENDURANCE_LINES
            base = [self._build_category(copy, word, i, True, endurance, name)
                    for i, word in enumerate(base_text.split())]
            specs = [self._build_category(copy, word, i, False, endurance, name)
                     for i, word in enumerate(spec_text.split())]
            self.spell_lines.append({"id": line_id, "key": key, "tag": tag, "name": name, "base": base,
                                     "spec": spec, "spec_cats": specs})
            self.describe(name, line_description(name, spec, self._category_names(base),
                                                 self._category_names(specs)))
            if spec is not None:
                self.describe(spec, spec_description(spec, name, self._category_names(specs)))
        return ids

    def _category_names(self, ids):
        by_id = {c["id"]: c for c in self.categories}
        return [by_id[i]["name"] for i in ids]

    def _build_category(self, copy, word, index, base, endurance, line_name):
        theme_key, arch_key = word.split(":")
        (base_de, base_en), tiers_de, tiers_en, damage = THEMES[theme_key]
        noun, target, cast, duration, recast, reach, (va, vb), effect, carries, mode, cost = \
            ARCHETYPES[arch_key]
        name = self._named((compound(base_de, noun[0]), base_en + " " + noun[1]), copy)
        tiers = list(zip(tiers_de.split(), tiers_en.split("|")))
        count = 6 if index % 2 == 0 else 5
        start = (1, 3, 6, 9)[index % 4] if base else (1, 4, 8)[index % 3]
        if arch_key.startswith("poison"):
            start = (5, 8, 12)[index % 3]
        start = LATE_ARCHETYPES.get(arch_key, start)
        levels = [start + round(i * (50 - start) / (count - 1)) for i in range(count)]
        dtype = DAMAGE_TYPES[damage]
        spell_ids = []
        for tier, level in zip(tiers[6 - count:], levels):
            value = round(va + vb * level)
            spell = {
                "id": self._next_spell_id,
                "name": self._named((compound(tier[0], noun[0]), tier[1] + " " + noun[1]), copy),
                "level": level, "target": target,
                "times": tuple(spell_times(cast, duration, recast, lang) for lang in (0, 1)),
                "range": ("-", "-") if reach is None else bi(str(reach)),
                "cost": spell_cost(cost, level, endurance),
                "effect": (effect[0].format(v=value, d=dtype[0]), effect[1].format(v=value, d=dtype[1].lower())),
                "dtype": dtype if carries else ("", ""),
            }
            self._next_spell_id += 1
            self.spells.append(spell)
            spell_ids.append(spell["id"])
        self.cat_texts.append({"key": name, "title": (line_name[0] + ": " + name[0], line_name[1] + ": " + name[1]),
                               "text": category_description(name, arch_key, dtype, carries, levels, target)})
        category = {"id": self._next_category_id, "mode": mode, "name": name, "spells": spell_ids}
        self._next_category_id += 1
        self.categories.append(category)
        return category["id"]

    def _build_classes(self, copy, style_ids, spell_ids):
        names = {}
        for c in CLASSES:
            (key, name, cast, pri, sec, ter, mult, hp_base, hp_factor, races, styles, spells, female,
             _armour, _shield, _abilities, _tracks) = c
            name = self._named(name, copy)
            names[key] = name

            def line_ref(entry, ids):
                star = entry.endswith("*")
                return "%d%s" % (ids[entry.rstrip("*")], "*" if star else "")

            self.classes.append({
                "key": key, "name": name, "cast": cast, "stats": (pri, sec, ter), "mult": mult,
                "hp": (hp_base, hp_factor), "races": [RACE_NAMES[r] for r in races],
                "styles": [line_ref(s, style_ids) for s in styles],
                "spells": [line_ref(s, spell_ids) for s in spells], "female": female,
            })
        return names

    def _build_realm_abilities(self, copy, class_names):
        def classes_of(group):
            return [class_names[k] for k in group()]

        for key, group, name, abbr, active, text, captions, reuse, members in RAS_NF:
            name = self._named(name, copy)
            self.ras_nf.append({"group": group, "name": name, "abbr": abbr, "active": active, "text": text,
                                "captions": [bi(c) for c in captions], "reuse": reuse,
                                "classes": classes_of(members)})
        for c in CLASSES:
            key = c[0]
            cls = class_names[key]
            sig = self._named(SIGNATURES[key], copy)
            self.ras_nf.append({
                "group": 2, "name": sig, "abbr": "".join(w[0] for w in SIGNATURES[key][1].split()).upper(),
                "active": True,
                "text": ("Die Meisterkunst der Klasse %s, erst ab Reichsrang 5 erlernbar." % cls[0],
                         "The signature art of the %s, learned from realm rank 5 on." % cls[1]),
                "captions": [("RR5", "RR5")], "reuse": ("30 Min.", "30 min"), "classes": [cls]})
        old_names = {}
        old_classes = {}
        for key, name, active, reuse, costs, prereq, prereq_level, text, members in RAS_OLD:
            if isinstance(name, str):
                source = next(r for r in RAS_NF if r[0] == name)
                name, text = source[2], source[5] if text is None else text
            name = self._named(name, copy)
            old_names[key] = name
            members = classes_of(members)
            active_only = class_names[OLD_RULES_ACTIVE_ONLY]
            if not active or (prereq is not None and active_only not in old_classes[prereq]):
                members = [m for m in members if m != active_only]
            old_classes[key] = members
            assert len(members) <= 39, key
            self.ras_old.append({"key": (copy, key), "name": name, "active": active, "reuse": reuse, "costs": costs,
                                 "prereq": None if prereq is None else old_names[prereq],
                                 "prereq_key": None if prereq is None else (copy, prereq), "prereq_level": prereq_level, "text": text,
                                 "classes": members})

    def _build_abilities(self, copy, class_names, style_ids, spell_ids):
        line_names = {line[0]: self._named(line[2], copy) for line in STYLE_LINES}
        described = set()

        def describe_once(name, text):
            if name not in described:
                described.add(name)
                self.describe(name, text)

        if copy == 0:
            for key, name, effect1, effect2, text in STAT_TEXTS:
                self.describe((key, key), stat_description(name, effect1, effect2, text))
        for c in CLASSES:
            key, styles, spells = c[0], c[10], c[11]
            entries = []
            for de, en, level in ARMOUR[c[13]]:
                item = self._named(("Rüstung: " + de, "Armor: " + en), copy)
                entries.append((item, level))
                describe_once(item, armour_description(item, ARMOUR_TEXT[en]))
            for de, en, level in SHIELD_SIZES[:c[14]]:
                item = self._named(("Schilde: " + de, "Shields: " + en), copy)
                entries.append((item, level))
                describe_once(item, shield_description(item, de, en))
            for s in styles:
                weapon = next(line[5] for line in STYLE_LINES if line[0] == s.rstrip("*"))
                if weapon is not None:
                    item = self._named(("Waffe: " + weapon[0], "Weapon: " + weapon[1]), copy)
                    entries.append((item, 0))
                    describe_once(item, weapon_description(item, weapon))
            for a in c[15]:
                name, level, text = ABILITIES[a]
                item = self._named(name, copy)
                entries.append((item, 2 if a == "evade1" and "stealth" in c[15] else level))
                describe_once(item, ability_description(item, text))
            self.ability_rest.append((class_names[key], entries))
            style_levels = [(line_names[s.rstrip("*")], 1 if i < 3 or s.startswith(("c_shield", "g_shield"))
                             else 6) for i, s in enumerate(styles)]
            spell_levels = []
            for i, s in enumerate(spells):
                level = 6 if s.rstrip("*") == "poison" else (1, 1, 6, 14)[min(i, 3)]
                spell_levels.append((spell_ids[s.rstrip("*")], level))
            self.ability_lines.append((class_names[key], style_levels, spell_levels))

    def _build_master_levels(self, copy, class_names):
        tracks = {}
        for t_index, (key, name, stem) in enumerate(MASTER_TRACKS):
            name = self._named(name, copy)
            tracks[key] = name
            self.master_levels.append({
                "track": name, "level": 0, "name": name,
                "text": track_description(name, stem), "target": ("-", "-"), "cast": ("-", "-"),
                "duration": ("-", "-"), "recast": ("-", "-"), "range": ("-", "-"), "timer": 0})
            for level, (tail, target, cast, duration, recast, reach, timer, text) in enumerate(MASTER_LEVELS, 1):
                value = master_value(level, t_index)
                level_name = self._named((compound(stem[0], tail[0]), stem[1] + " " + tail[1]), copy)
                self.master_levels.append({
                    "track": name, "level": level, "name": level_name,
                    "text": (text[0].format(v=value), text[1].format(v=value)),
                    "target": target, "cast": bi(cast), "duration": bi(duration), "recast": bi(recast),
                    "range": bi(reach), "timer": timer})
        for c in CLASSES:
            first, second = c[16]
            self.master_classes.append((class_names[c[0]], tracks[first], tracks[second]))


def master_value(level, track_index):
    base = (5, 10, 300, 600, 400, 500, 15, 35, 10, 5)[level - 1]
    return base + (track_index % 4) * (base // 10 if base >= 10 else 1)
