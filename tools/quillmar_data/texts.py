"""German and English texts: the pair helpers, the prose tables of the
descriptions and the texts derived from the records.

Descriptions are markup: the rich tooltips (abilities_desc.dat) take colours
and tab stops; the plain boxes of the skill and master-level pages (category
and master-level texts) only understand bold, italic, alignment, line breaks
and rules.
"""


def bi(value):
    """A text given once for both languages becomes a (de, en) pair."""
    return value if isinstance(value, tuple) else (value, value)


def decimal(value, lang):
    text = ("%.1f" % value).rstrip("0").rstrip(".")
    return text.replace(".", ",") if lang == 0 else text


def compound(head, tail):
    """German compound of a capitalised head and a lower-case tail."""
    return head + tail


# What an archetype is for, the first sentence of each category description.
ARCHETYPE_TEXT = {
    "bolt": ("Ein Geschoss, das weit trägt, aber lange geformt werden muss.",
             "A missile that flies far but takes long to shape."),
    "nuke": ("Ein schneller Direktzauber gegen ein einzelnes Ziel.", "A quick direct spell against one target."),
    "blast": ("Trifft alle Feinde rund um das Ziel.", "Hits every enemy around the target."),
    "dot": ("Schaden, der sich über die Zeit entfaltet.", "Damage that unfolds over time."),
    "lifetap": ("Entzieht dem Feind Leben und gibt dir die Hälfte.",
                "Drains life from the enemy and gives you half of it."),
    "heal": ("Eine einzelne, kräftige Heilung.", "One strong heal."),
    "groupheal": ("Heilt die ganze Gruppe auf einmal.", "Heals the whole group at once."),
    "hot": ("Heilt das Ziel Stück für Stück.", "Heals the target bit by bit."),
    "buff_str": ("Stärkt den Arm eines Verbündeten.", "Strengthens an ally's arm."),
    "buff_con": ("Härtet den Körper eines Verbündeten.", "Hardens an ally's body."),
    "buff_dex": ("Macht die Hände eines Verbündeten geschickter.", "Makes an ally's hands defter."),
    "buff_strcon": ("Stärke und Ausdauer in einem Zauber.", "Strength and stamina in one spell."),
    "buff_dexqui": ("Geschick und Tempo in einem Zauber.", "Deftness and speed in one spell."),
    "buff_acu": ("Schärft den Geist für Zauber.", "Sharpens the mind for spells."),
    "armor": ("Legt einen unsichtbaren Panzer um das Ziel.", "Lays an invisible armour around the target."),
    "ablative": ("Fängt Schaden ab, bis der Schild erschöpft ist.", "Catches damage until the shield is spent."),
    "dmgadd": ("Jeder Waffentreffer der Gruppe verursacht zusätzlichen Schaden.",
               "Every weapon hit of the group deals extra damage."),
    "resist": ("Schützt die Gruppe vor einer Schadensart.", "Protects the group against one damage type."),
    "debuff": ("Schwächt den Feind.", "Weakens the enemy."),
    "snare": ("Bremst den Feind.", "Slows the enemy down."),
    "root": ("Hält den Feind an Ort und Stelle.", "Holds the enemy in place."),
    "mez": ("Versetzt den Feind in einen Bann, den jeder Schaden bricht.",
            "Puts the enemy in a trance that any damage breaks."),
    "stun": ("Betäubt den Feind kurz.", "Stuns the enemy briefly."),
    "pet": ("Ruft einen Diener, der für dich kämpft.", "Summons a servant that fights for you."),
    "speed": ("Beschleunigt die Gruppe außerhalb des Kampfes.", "Speeds the group up outside combat."),
    "powerregen": ("Lässt das Mana der Gruppe schneller fließen.", "Lets the group's power flow faster."),
    "poison_dot": ("Ein Gift für die Klinge, das Schaden über die Zeit zufügt.",
                   "A blade poison that deals damage over time."),
    "poison_weak": ("Ein Gift, das die Hand des Feindes unsicher macht.",
                    "A poison that makes the enemy's hand unsteady."),
    "poison_snare": ("Ein Gift, das die Beine des Feindes schwer macht.",
                     "A poison that makes the enemy's legs heavy."),
}

RANGED_EFFECTS = [("Ein schneller, gezielter Schuss", "A quick, aimed shot"),
                  ("Drei Geschosse in rascher Folge", "Three missiles in quick succession"),
                  ("Trifft alle Feinde um das Ziel", "Hits every enemy around the target"),
                  ("Erhöht die Reichweite um die Hälfte", "Raises the range by half"),
                  ("Durchschlägt den Schild des Ziels", "Pierces the target's shield"),
                  ("Ein Schuss, der das Ziel zu Boden wirft", "A shot that throws the target down")]

GRADES = [None, ("Gering", "Low"), ("Mittel", "Medium"), ("Hoch", "High"), ("Sehr hoch", "Very high")]

STYLE_EFFECTS = {
    None: lambda lv: ("Keiner", "None"),
    "taunt": lambda lv: ("Zieht den Zorn des Ziels auf sich", "Draws the target's anger"),
    "detaunt": lambda lv: ("Lenkt den Zorn des Ziels ab", "Turns the target's anger away"),
    "stun": lambda lv: ("Betäubt das Ziel %d Sek." % (2 + lv // 12), "Stuns the target for %d sec" % (2 + lv // 12)),
    "snare": lambda lv: ("Verlangsamt das Ziel um %d%% für %d Sek." % (20 + lv // 2, 8 + lv // 10),
                         "Slows the target by %d%% for %d sec" % (20 + lv // 2, 8 + lv // 10)),
    "bleed": lambda lv: ("Blutung: %d Schaden über 20 Sek." % (10 + 4 * lv),
                         "Bleeding: %d damage over 20 sec" % (10 + 4 * lv)),
    "hit_penalty": lambda lv: ("Senkt die Trefferchance des Ziels um %d%%" % (5 + lv // 5),
                               "Lowers the target's chance to hit by %d%%" % (5 + lv // 5)),
    "haste_penalty": lambda lv: ("Senkt das Angriffstempo des Ziels um %d%%" % (10 + lv // 4),
                                 "Lowers the target's attack speed by %d%%" % (10 + lv // 4)),
}

ARMOUR_TEXT = {
    "Cloth": ("Leichte Roben, die das Zaubern nicht behindern.", "Light robes that never hinder casting."),
    "Leather": ("Leder schützt wenig, lässt aber volle Bewegung zu.", "Leather protects little but allows full movement."),
    "Chain": ("Kettenhemden halten Schnitte gut ab.", "Chain mail turns cuts well."),
    "Scale": ("Schuppenpanzer aus Horn und Bronze, die Rüstung Glenmoras.",
              "Scale armour of horn and bronze, the armour of Glenmora."),
    "Plate": ("Die schwerste Rüstung, nur für geübte Träger.", "The heaviest armour, for trained wearers only."),
}

# Descriptions of the eight stats, keyed as the base-stats page asks for them.
STAT_TEXTS = [
    ("STAT_STRENGTH", ("Stärke", "Strength"), ("Nahkampfschaden", "Melee damage"), ("Tragkraft", "Carrying"),
     ("Kraft des Arms: bestimmt Schaden und wie viel du tragen kannst.",
      "Strength of arm: decides damage and how much you can carry.")),
    ("STAT_CONSTITUTION", ("Konstitution", "Constitution"), ("Trefferpunkte", "Hit points"),
     ("Ausdauer", "Endurance"), ("Die Zähigkeit des Körpers.", "The toughness of the body.")),
    ("STAT_DEXERITY", ("Geschicklichkeit", "Dexterity"), ("Treffen und Blocken", "Hitting and blocking"),
     ("Zaubertempo", "Casting speed"), ("Ruhige Hände für Klinge, Bogen und Zauber.",
                                         "Steady hands for blade, bow and spell.")),
    ("STAT_QUICKNESS", ("Schnelligkeit", "Quickness"), ("Angriffstempo", "Attack speed"),
     ("Ausweichen", "Evading"), ("Wer schneller ist, schlägt öfter zu.", "Who is faster strikes more often.")),
    ("STAT_INTELLIGENCE", ("Intelligenz", "Intelligence"), ("Zauberschaden", "Spell damage"),
     ("Mana", "Power"), ("Der Zauberwert der Gelehrten und Runenkundigen.",
                         "The casting stat of scholars and rune casters.")),
    ("STAT_PIETY", ("Frömmigkeit", "Piety"), ("Heilkraft", "Healing"), ("Mana", "Power"),
     ("Der Zauberwert der Priester.", "The casting stat of priests.")),
    ("STAT_EMPATHY", ("Empathie", "Empathy"), ("Naturmagie", "Nature magic"), ("Mana", "Power"),
     ("Der Zauberwert der Naturkundigen Glenmoras.", "The casting stat of Glenmora's nature casters.")),
    ("STAT_CHARISMA", ("Charisma", "Charisma"), ("Lieder", "Songs"), ("Mana", "Power"),
     ("Der Zauberwert der Sänger.", "The casting stat of singers.")),
]

POSITION_TEXT = {"front": ("von vorn", "from the front"), "behind": ("von hinten", "from behind"),
                 "side": ("von der Seite", "from the side")}
REACTION_TEXT = {"evade": ("nachdem das Ziel ausgewichen ist", "after the target evaded"),
                 "block": ("nachdem das Ziel geblockt hat", "after the target blocked"),
                 "parry": ("nachdem das Ziel pariert hat", "after the target parried"),
                 "target": ("gegen ein betäubtes oder fliehendes Ziel", "against a stunned or fleeing target")}


# ---------------------------------------------------------------------------
# Texts derived from the records
# ---------------------------------------------------------------------------

_RED = "0x0000A0"     # colour values are 0x00BBGGRR
_GREEN = "0x007000"
_BLUE = "0xA03000"


def spell_times(cast, duration, recast, lang):
    cast_text = ("sofort", "instant")[lang] if cast == 0 else decimal(cast, lang) + "s"
    duration_text = "-" if duration is None else duration[lang]
    recast_text = "-" if recast == 0 else "%ds" % recast
    return "%s / %s / %s" % (cast_text, duration_text, recast_text)


def spell_cost(cost, level, endurance):
    if cost is None:
        return ("1 Phiole", "1 vial")
    amount = max(1, round(cost[0] + cost[1] * level))
    if endurance:
        amount = max(1, amount // 2)
        return ("%d Ausdauer" % amount, "%d endurance" % amount)
    return ("%d Mana" % amount, "%d power" % amount)


def category_description(name, arch_key, dtype, carries, levels, target):
    texts = []
    for lang, (levels_word, damage_word, target_word) in enumerate(
            (("Stufen", "Schadensart", "Ziel"), ("Levels", "Damage type", "Target"))):
        text = "<b>%s</b><br><hr=100%%><br><al>%s<br>%s: <b>%s</b>" % (
            name[lang], ARCHETYPE_TEXT[arch_key][lang], target_word, target[lang])
        if carries:
            text += "<br>%s: <b>%s</b>" % (damage_word, dtype[lang])
        text += "<br><i>%s: %s</i>" % (levels_word, ", ".join(str(v) for v in levels))
        texts.append(text)
    return tuple(texts)


def style_description(style):
    texts = []
    for lang in (0, 1):
        parts = []
        if style["follows_name"] is not None:
            parts.append(("Folgt auf <b>%s</b>.", "Follows <b>%s</b>.")[lang] % style["follows_name"][lang])
        if style["position"] == "Ability":
            parts.append(("Eine Schusstechnik, die jederzeit bereitsteht.",
                          "A shooting technique that is always ready.")[lang])
        elif style["position"] in POSITION_TEXT:
            parts.append(("Nur %s einsetzbar.", "Only usable %s.")[lang] % POSITION_TEXT[style["position"]][lang])
        if style["reaction"] in REACTION_TEXT:
            parts.append(("Öffnet sich %s.", "Opens %s.")[lang] % REACTION_TEXT[style["reaction"]][lang])
        if style["stealth"]:
            parts.append("<ct=%s>%s</ct>" % (_BLUE, ("Nur aus dem Schleichen heraus.",
                                                      "Only from stealth.")[lang]))
        if not parts:
            parts.append(("Kann jederzeit eingesetzt werden.", "Can be used at any time.")[lang])
        line = ("<i>%s, Stufe %d</i>", "<i>%s, level %d</i>")[lang] % (style["line"][lang], style["level"])
        texts.append(line + "<br>" + " ".join(parts))
    return tuple(texts)


def line_description(name, spec, base_names, spec_names):
    texts = []
    for lang in (0, 1):
        labels = (("Grundzauber", "Spezialisierung", "Trainierbar", "Nicht trainierbar"),
                  ("Base spells", "Specialisation", "Trainable", "Not trainable"))[lang]
        text = "<al_c><b>%s</b><br><hr=100%%><br><al>" % name[lang]
        if base_names:
            text += "%s:<t=2>%s<br>" % (labels[0], ", ".join(n[lang] for n in base_names))
        if spec is not None:
            text += "%s:<t=2>%s (%s)<br>" % (labels[1], spec[lang], ", ".join(n[lang] for n in spec_names))
            text += "<ct=%s>%s</ct>" % (_GREEN, labels[2])
        else:
            text += "<ct=%s>%s</ct>" % (_RED, labels[3])
        texts.append(text)
    return tuple(texts)


def spec_description(spec, line, names):
    return tuple("<b>%s</b><br>%s <i>%s</i>.<br>%s" % (
        spec[lang], ("Die Spezialisierung der Linie", "The specialisation of")[lang], line[lang],
        ", ".join(n[lang] for n in names)) for lang in (0, 1))


def stat_description(name, effect1, effect2, text):
    texts = []
    for lang in (0, 1):
        strong = ("stark", "strong")[lang]
        some = ("etwas", "some")[lang]
        texts.append("<al_c><b>%s</b><br><hr=100%%><br><al>%s<br><br>%s:<t=4><ct=%s>%s</ct><br>"
                     "%s:<t=4>%s<br><hr=100%%><br><cti=7><i>%s</i></cti>" % (
                         name[lang], text[lang], effect1[lang], _GREEN, strong, effect2[lang], some,
                         ("Wird mit der Stufe und durch Reichsfähigkeiten gesteigert.",
                          "Grows with level and through realm abilities.")[lang]))
    return tuple(texts)


def armour_description(item, text):
    return tuple("<b><ct=%s>%s</ct></b><br>%s" % (_RED, item[lang], text[lang]) for lang in (0, 1))


def shield_description(item, de, en):
    return ("<b><ct=%s>%s</ct></b><br>Ein %s Schild. Größere Schilde blocken öfter und schützen mehr Gefährten."
            % (_GREEN, item[0], {"Klein": "kleiner", "Mittel": "mittlerer", "Groß": "großer"}[de]),
            "<b><ct=%s>%s</ct></b><br>A %s shield. Larger shields block more often and guard more companions."
            % (_GREEN, item[1], en.lower()))


def weapon_description(item, weapon):
    return ("<b>%s</b><br>Die Klasse kann %s führen und ihre Kampfstile lernen." % (item[0], weapon[0]),
            "<b>%s</b><br>The class can wield %s and learn their combat styles." % (item[1], weapon[1].lower()))


def ability_description(item, text):
    return tuple("<al_c><b>%s</b><br><hr=100%%><br><al>%s" % (item[lang], text[lang]) for lang in (0, 1))


def track_description(name, stem):
    return ("Der <b>%s</b> führt über zehn Meisterstufen. Jede Stufe schaltet eine neue Fähigkeit frei.<br>"
            "<i>Die Stufen werden in den Prüfungen der Grenzlande errungen.</i>" % name[0],
            "The <b>%s</b> leads over ten master levels. Every level unlocks a new ability.<br>"
            "<i>The levels are earned in the trials of the borderlands.</i>" % name[1])
