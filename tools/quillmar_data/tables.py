"""The tables of the Velkara game world: realms, races, classes, spell and
style lines, abilities, realm abilities and master levels.

Every name and number of the shipped data starts here; the world module turns
these records into the records of the data files. The longer prose that only
the descriptions use lives in the texts module.
"""

REALMS = ("caldor", "glenmora", "nordhal")

# Races: name (de, en), realm, base stats (str con dex qui int pie emp cha) and
# nine racial resist bonuses (crush slash thrust heat cold matter body spirit
# energy). A race living in several realms has one record per realm with the
# same numbers, because look-ups by name find the first record.
RACES = [
    (("Avari", "Avari"), 0, (55, 50, 60, 55, 65, 60, 50, 60), (0, 2, 0, 3, 0, 0, 0, 3, 0)),
    (("Mensch", "Human"), 0, (60, 60, 60, 60, 60, 60, 60, 60), (2, 2, 2, 0, 0, 0, 0, 0, 0)),
    (("Steinling", "Stoneling"), 0, (65, 70, 55, 45, 55, 65, 50, 45), (5, 0, 0, 0, 3, 5, 0, 0, 0)),
    (("Corvane", "Corvane"), 0, (50, 50, 70, 65, 60, 55, 55, 50), (0, 0, 3, 0, 0, 0, 3, 0, 5)),
    (("Sylvaner", "Sylvan"), 1, (50, 50, 65, 60, 60, 55, 65, 55), (0, 0, 2, 0, 0, 3, 0, 5, 0)),
    (("Moorläufer", "Moorstrider"), 1, (65, 65, 55, 50, 50, 55, 60, 50), (3, 2, 0, 0, 0, 5, 2, 0, 0)),
    (("Feenling", "Faeling"), 1, (40, 45, 70, 70, 65, 50, 70, 60), (0, 0, 0, 5, 0, 0, 0, 0, 5)),
    (("Mensch", "Human"), 1, (60, 60, 60, 60, 60, 60, 60, 60), (2, 2, 2, 0, 0, 0, 0, 0, 0)),
    (("Jotunling", "Jotunling"), 2, (75, 70, 45, 45, 45, 55, 50, 50), (3, 3, 0, 0, 5, 0, 0, 0, 0)),
    (("Wargblut", "Wargblood"), 2, (65, 60, 60, 60, 45, 50, 55, 45), (0, 3, 3, 0, 2, 0, 2, 0, 0)),
    (("Eisalb", "Ice Elf"), 2, (45, 50, 65, 65, 65, 55, 60, 60), (0, 0, 0, 0, 5, 0, 0, 3, 2)),
    (("Steinling", "Stoneling"), 2, (65, 70, 55, 45, 55, 65, 50, 45), (5, 0, 0, 0, 3, 5, 0, 0, 0)),
    (("Mensch", "Human"), 2, (60, 60, 60, 60, 60, 60, 60, 60), (2, 2, 2, 0, 0, 0, 0, 0, 0)),
]

# Realm rank titles, twelve per realm, rank 1 first.
RANK_TITLES = [
    [("Knappe", "Squire"), ("Waffenknecht", "Man-at-Arms"), ("Bannerträger", "Bannerman"),
     ("Ritter", "Knight"), ("Bannerherr", "Knight Banneret"), ("Burgvogt", "Castellan"),
     ("Freiherr", "Baron"), ("Landgraf", "Landgrave"), ("Markgraf", "Margrave"),
     ("Herzog", "Duke"), ("Kurfürst", "Elector"), ("Sonnenfürst", "Sun Prince")],
    [("Grünling", "Sapling"), ("Hainwächter", "Grovewatcher"), ("Pfadkundiger", "Pathwise"),
     ("Nebelgänger", "Mistfarer"), ("Quellhüter", "Springwarden"), ("Steinsprecher", "Stonespeaker"),
     ("Hügelfürst", "Hill Lord"), ("Eichenherr", "Oaklord"), ("Sternkundiger", "Starsage"),
     ("Feenfürst", "Fae Lord"), ("Mondkönig", "Moon King"), ("Ewiger Hüter", "Eternal Warden")],
    [("Jungmann", "Youngblood"), ("Ruderer", "Oarsman"), ("Schildgenosse", "Shield Companion"),
     ("Speermann", "Spearman"), ("Fahnenträger", "Standard-Bearer"), ("Jarlsmann", "Jarl's Man"),
     ("Thingsprecher", "Thingspeaker"), ("Sturmjarl", "Storm Jarl"), ("Eisfürst", "Ice Lord"),
     ("Runenkönig", "Rune King"), ("Sagenkönig", "Saga King"), ("Weltenwächter", "World Warden")],
]

# Classes. Fields: key, name (de, en), casting stat (None = none), primary,
# secondary, tertiary stat, specialisation multiplier, hit-point base and
# factor, races (first one decides the realm, so it is never a shared race),
# style lines, spell lines (a trailing * marks an auto-train line), female-only,
# armour kind, shield size (0 none .. 3 large), plain abilities, master tracks.
CLASSES = [
    # --- Caldor ---
    ("knight", ("Bannerritter", "Banner Knight"), None, "str", "con", "dex", 2.0, 920, 13.0,
     ["Avari", "Human", "Stoneling"], ["c_blades*", "c_crush", "c_twohand", "c_polearm", "c_shield"],
     ["c_battle", "c_field"], False, "plate", 3, ["protect", "intercept", "sprint", "evade1"], ("banner", "bulwark")),
    ("templar", ("Sonnentempler", "Sun Templar"), "pie", "str", "pie", "con", 1.5, 860, 12.5,
     ["Avari", "Human"], ["c_crush", "c_flail", "c_shield"], ["c_sunhymn", "c_dawn"], False, "plate", 2,
     ["sprint"], ("banner", "sunfire")),
    ("arbalist", ("Arbalist", "Arbalist"), None, "dex", "str", "qui", 2.2, 700, 10.0,
     ["Corvane", "Human", "Stoneling"], ["c_crossbow*", "c_pierce", "c_blades"], ["c_field"], False, "chain", 1,
     ["sprint", "evade1", "evade2", "dangersense"], ("hawkeye", "bulwark")),
    ("bladedancer", ("Klingentänzerin", "Bladedancer"), None, "dex", "qui", "str", 2.2, 720, 10.5,
     ["Avari", "Corvane", "Human"], ["c_dual", "c_blades", "c_pierce"], [], True, "leather", 0,
     ["sprint", "evade1", "evade2", "evade3", "safefall"], ("hawkeye", "shadowstep")),
    ("duskblade", ("Dämmerklinge", "Duskblade"), None, "dex", "qui", "str", 2.2, 680, 10.0,
     ["Corvane", "Human", "Avari"], ["c_backstab", "c_pierce", "c_blades", "c_dual"], ["poison", "c_shadow"],
     False, "leather", 0, ["stealth", "sprint", "evade1", "evade2", "safefall", "dangersense"],
     ("shadowstep", "hawkeye")),
    ("flamewright", ("Flammenwirker", "Flamewright"), "int", "int", "dex", "qui", 1.0, 520, 7.0,
     ["Avari", "Human", "Corvane"], [], ["c_fire", "c_ember", "c_inferno", "c_arcane"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("sunfire", "arcanist")),
    ("stormcaller", ("Sturmrufer", "Stormcaller"), "int", "int", "dex", "qui", 1.0, 520, 7.0,
     ["Avari", "Human", "Stoneling"], [], ["c_storm", "c_sky", "c_tempest", "c_arcane"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("arcanist", "tempest")),
    ("sunpriest", ("Sonnenpriester", "Sun Priest"), "pie", "pie", "con", "str", 1.0, 640, 9.0,
     ["Avari", "Stoneling", "Human"], ["c_crush"], ["c_grace", "c_hallow", "c_mercy", "c_dawn"], False, "chain", 1,
     ["sprint"], ("sunfire", "mercy")),
    ("ashbinder", ("Aschebinder", "Ashbinder"), "int", "int", "dex", "qui", 1.0, 500, 7.0,
     ["Corvane", "Avari"], [], ["c_ash", "c_soul", "c_grave", "c_arcane*"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("arcanist", "gravekeeper")),
    ("monk", ("Stabmönch", "Staff Monk"), None, "qui", "dex", "str", 2.0, 740, 11.0,
     ["Avari", "Human", "Stoneling"], ["c_staff*", "c_crush", "c_fist"], ["c_pilgrim"], False, "leather", 0,
     ["sprint", "evade1", "evade2", "evade3", "safefall"], ("mercy", "shadowstep")),
    ("troubadour", ("Hofsänger", "Troubadour"), "cha", "cha", "dex", "con", 1.5, 640, 9.5,
     ["Avari", "Human"], ["c_blades", "c_pierce"], ["c_song", "c_lute"], False, "chain", 1,
     ["sprint", "evade1"], ("mercy", "banner")),
    ("guardsman", ("Gardist", "Guardsman"), None, "str", "dex", "con", 2.0, 880, 12.5,
     ["Corvane", "Stoneling", "Human"], ["c_polearm*", "c_twohand", "c_flail", "c_blades", "c_shield*"],
     ["c_field"], False, "chain", 2, ["protect", "sprint", "evade1", "evade2"], ("bulwark", "banner")),
    # --- Glenmora ---
    ("grovekeeper", ("Hainhüter", "Grove Keeper"), "emp", "str", "emp", "con", 1.5, 860, 12.5,
     ["Moorstrider", "Sylvan", "Human"], ["g_club", "g_greatsword", "g_shield"], ["g_grove", "g_oath"],
     False, "scale", 3, ["protect", "sprint"], ("oakheart", "wildhunt")),
    ("mistwalker", ("Nebelschleicher", "Mistwalker"), None, "dex", "qui", "str", 2.2, 680, 10.0,
     ["Faeling", "Sylvan", "Human"], ["g_miststrike", "g_thorn", "g_twin"], ["poison", "g_mist"], False,
     "leather", 0, ["stealth", "sprint", "evade1", "evade2", "evade3", "dangersense"], ("mistveil", "wildhunt")),
    ("pathfinder", ("Pfadfinder", "Pathfinder"), None, "dex", "qui", "str", 2.2, 700, 10.0,
     ["Sylvan", "Faeling", "Human"], ["g_longbow*", "g_thorn", "g_longblade"], ["g_path", "g_field"], False, "leather", 0,
     ["stealth", "sprint", "evade1", "evade2", "safefall"], ("wildhunt", "mistveil")),
    ("springcaller", ("Quellenrufer", "Springcaller"), "emp", "emp", "con", "str", 1.0, 640, 9.0,
     ["Moorstrider", "Sylvan", "Human"], ["g_sickle"], ["g_spring", "g_wild", "g_nature", "g_bloom"], False, "leather", 1,
     ["sprint"], ("oakheart", "wellspring")),
    ("harper", ("Harfner", "Harper"), "cha", "cha", "dex", "con", 1.5, 640, 9.5,
     ["Sylvan", "Faeling", "Human"], ["g_longblade", "g_club"], ["g_harp", "g_lore"], False, "scale", 1,
     ["sprint", "evade1"], ("wellspring", "mistveil")),
    ("thornwitch", ("Dornenhexe", "Thornwitch"), "emp", "emp", "dex", "qui", 1.0, 520, 7.0,
     ["Sylvan", "Faeling"], ["g_sickle"], ["g_thorncurse", "g_bramble", "g_wild", "g_nature"], True, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("starcircle", "oakheart")),
    ("stargazer", ("Sternseher", "Stargazer"), "int", "int", "dex", "qui", 1.0, 500, 7.0,
     ["Faeling", "Sylvan", "Human"], [], ["g_star", "g_moon", "g_comet", "g_lore*"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("starcircle", "mistveil")),
    ("wispcaller", ("Irrlichtrufer", "Wispcaller"), "int", "int", "dex", "qui", 1.0, 500, 7.0,
     ["Faeling", "Moorstrider"], [], ["g_wisp", "g_dream", "g_phantom", "g_lore"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("starcircle", "wellspring")),
    ("twinblade", ("Zwillingsklinge", "Twinblade"), None, "str", "dex", "qui", 2.0, 820, 12.0,
     ["Moorstrider", "Sylvan", "Human"], ["g_twin*", "g_longblade", "g_club", "g_thorn"], ["g_field"], False, "scale", 0,
     ["sprint", "evade1", "evade2", "evade3"], ("wildhunt", "oakheart")),
    ("highlander", ("Hochlandkrieger", "Highlander"), None, "str", "con", "dex", 2.0, 900, 13.0,
     ["Moorstrider", "Sylvan", "Human"], ["g_greatsword*", "g_spear", "g_longblade", "g_shield"], ["g_field"], False,
     "scale", 2, ["protect", "intercept", "sprint", "evade1"], ("oakheart", "wildhunt")),
    ("speardancer", ("Speertänzer", "Spear Dancer"), None, "dex", "str", "qui", 2.0, 800, 11.5,
     ["Sylvan", "Faeling", "Human"], ["g_spear*", "g_longblade", "g_thorn"], ["g_fae"], False, "leather", 0,
     ["sprint", "evade1", "evade2", "safefall"], ("wildhunt", "mistveil")),
    ("faeknight", ("Feenritter", "Fae Knight"), "int", "str", "int", "con", 1.5, 840, 12.0,
     ["Faeling", "Sylvan"], ["g_longblade", "g_greatsword", "g_shield"], ["g_fae", "g_dream"], False, "scale", 2,
     ["sprint", "protect"], ("mistveil", "starcircle")),
    # --- Nordhal ---
    ("bloodrager", ("Blutwüter", "Bloodrager"), None, "str", "con", "dex", 2.0, 900, 13.0,
     ["Jotunling", "Wargblood", "Stoneling", "Human"], ["n_axe", "n_offaxe*", "n_hammer", "n_sword"],
     ["n_rage", "n_field"], False, "leather", 0, ["sprint", "evade1", "evade2"], ("fjordstorm", "ironskin")),
    ("shieldbearer", ("Schildträger", "Shieldbearer"), None, "str", "con", "dex", 2.0, 940, 13.5,
     ["Jotunling", "Stoneling", "Human"], ["n_shieldwall*", "n_hammer", "n_axe", "n_sword", "n_greataxe"],
     ["n_horn", "n_field"], False, "chain", 3, ["protect", "intercept", "sprint", "evade1"], ("ironskin", "fjordstorm")),
    ("runecarver", ("Runenritzer", "Runecarver"), "int", "int", "dex", "qui", 1.0, 520, 7.0,
     ["Ice Elf", "Stoneling", "Human"], [], ["n_rune", "n_seal", "n_glyph", "n_elder"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("runeforge", "skyfire")),
    ("sagasinger", ("Sagasänger", "Sagasinger"), "cha", "str", "cha", "con", 1.5, 820, 12.0,
     ["Jotunling", "Wargblood", "Human"], ["n_hammer", "n_axe", "n_sword", "n_greataxe"], ["n_saga", "n_horn"],
     False, "chain", 1, ["sprint", "evade1"], ("fjordstorm", "runeforge")),
    ("seeress", ("Seherin", "Seeress"), "pie", "pie", "con", "str", 1.0, 640, 9.0,
     ["Ice Elf", "Stoneling", "Human"], ["n_hammer"], ["n_aurora", "n_fate", "n_vision", "n_elder"], True, "chain", 1,
     ["sprint"], ("skyfire", "ironskin")),
    ("tracker", ("Fährtenleser", "Tracker"), None, "dex", "qui", "str", 2.2, 700, 10.0,
     ["Wargblood", "Ice Elf", "Human"], ["n_bow*", "n_sword", "n_axe"], ["n_trail"], False, "leather", 0,
     ["stealth", "sprint", "evade1", "evade2", "safefall"], ("wolfpack", "skyfire")),
    ("wolfsworn", ("Wolfsgeschworener", "Wolfsworn"), None, "dex", "qui", "str", 2.0, 800, 11.5,
     ["Wargblood", "Jotunling", "Human"], ["n_claw*", "n_offaxe"], ["n_wolf"], False, "leather", 0,
     ["sprint", "evade1", "evade2", "evade3"], ("wolfpack", "fjordstorm")),
    ("frostweaver", ("Eisweber", "Frostweaver"), "int", "int", "dex", "qui", 1.0, 520, 7.0,
     ["Ice Elf", "Stoneling", "Human"], [], ["n_frost", "n_winter", "n_rime", "n_elder*"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("skyfire", "runeforge")),
    ("nightstalker", ("Nachtpirscher", "Nightstalker"), None, "dex", "qui", "str", 2.2, 680, 10.0,
     ["Wargblood", "Ice Elf", "Human"], ["n_shadowstrike", "n_sword", "n_offaxe"], ["poison", "n_night"],
     False, "leather", 0, ["stealth", "sprint", "evade1", "evade2", "safefall", "dangersense"],
     ("wolfpack", "runeforge")),
    ("thunderpriest", ("Donnerpriester", "Thunderpriest"), "pie", "pie", "str", "con", 1.5, 760, 11.0,
     ["Jotunling", "Stoneling", "Human"], ["n_hammer*", "n_shieldwall"], ["n_thunder", "n_aurora"], False,
     "chain", 2, ["sprint"], ("ironskin", "skyfire")),
    ("ancestorcaller", ("Ahnenrufer", "Ancestor Caller"), "int", "int", "dex", "qui", 1.0, 500, 7.0,
     ["Ice Elf", "Stoneling", "Human"], [], ["n_ancestor", "n_deathwatch", "n_barrow", "n_elder"], False, "cloth", 0,
     ["weapon_staff", "spellfocus"], ("runeforge", "wolfpack")),
    ("fjordwarrior", ("Fjordkrieger", "Fjord Warrior"), None, "str", "con", "dex", 2.0, 900, 13.0,
     ["Wargblood", "Jotunling", "Stoneling", "Human"], ["n_greataxe*", "n_axe", "n_sword", "n_hammer",
                                                         "n_shieldwall"],
     ["n_field"], False, "chain", 2, ["protect", "sprint", "evade1", "evade2"], ("fjordstorm", "ironskin")),
]

# Old character files exchange two spell-line positions for these classes; the
# poison line sits at 34 and each class's own line at 39 or 35 (checked in checks.py).
SPELL_LINE_SWAP_34_39 = "duskblade"
SPELL_LINE_SWAP_34_35 = "mistwalker"
# Old character files could pair these classes with a race they no longer take.
RACE_CORRECTIONS = [("knight", "Corvane", "Avari"), ("highlander", "Faeling", "Sylvan")]
# New-rules realm abilities that raise a stat: Strength, Constitution,
# Dexterity, Quickness and the casting stat, plus the hit-point one.
STAT_RAISING_RAS = ["ra_str", "ra_con", "ra_dex", "ra_qui", "ra_acu"]

# Class groups that realm abilities are offered to.
def _group(pred):
    return lambda: [c[0] for c in CLASSES if pred(c)]


ALL = _group(lambda c: True)
FIGHTERS = _group(lambda c: c[2] is None or c[6] >= 1.5)
PURE_FIGHTERS = _group(lambda c: c[2] is None)
CASTERS = _group(lambda c: c[2] is not None)
PURE_CASTERS = _group(lambda c: c[2] is not None and c[6] <= 1.0)
HEALERS = _group(lambda c: c[0] in ("sunpriest", "springcaller", "seeress", "templar", "thunderpriest"))
STEALTH = _group(lambda c: "stealth" in c[15])
ARCHERS = _group(lambda c: c[0] in ("arbalist", "pathfinder", "tracker"))
SHIELDS = _group(lambda c: c[14] > 0)
EVADERS = _group(lambda c: "evade1" in c[15])
SONGS = _group(lambda c: c[2] == "cha")


def REALM(r):
    return _group(lambda c: CLASS_REALM[c[0]] == r)


# New-rules realm abilities: key, group (0 normal, 1 timed, 2 at RR5), name,
# abbreviation, active, description, captions, reuse (de, en), classes.
RAS_NF = [
    ("ra_str", 0, ("Stärkung", "Fortified Might"), "FM", False,
     ("Erhöht die Stärke dauerhaft. Die Zahl gibt den Bonus der Stufe an.",
      "Permanently raises strength. The number is the bonus of the level."),
     ["+4", "+8", "+12", "+17", "+22"], None, FIGHTERS),
    ("ra_con", 0, ("Zähigkeit", "Hardiness"), "HA", False,
     ("Erhöht die Konstitution dauerhaft.", "Permanently raises constitution."),
     ["+4", "+8", "+12", "+17", "+22"], None, ALL),
    ("ra_dex", 0, ("Fingerfertigkeit", "Deftness"), "DE", False,
     ("Erhöht die Geschicklichkeit dauerhaft.", "Permanently raises dexterity."),
     ["+4", "+8", "+12", "+17", "+22"], None, ALL),
    ("ra_qui", 0, ("Flinkheit", "Swiftness"), "SW", False,
     ("Erhöht die Schnelligkeit dauerhaft.", "Permanently raises quickness."),
     ["+4", "+8", "+12", "+17", "+22"], None, FIGHTERS),
    ("ra_acu", 0, ("Geistesschärfe", "Keen Mind"), "KM", False,
     ("Erhöht den Zauberwert der Klasse dauerhaft.", "Permanently raises the class's casting stat."),
     ["+4", "+8", "+12", "+17", "+22"], None, CASTERS),
    ("ra_hp", 0, ("Belastbarkeit", "Toughness"), "TO", False,
     ("Erhöht die Trefferpunkte um die angegebene Zahl.", "Raises the hit points by the number shown."),
     ["+40", "+80", "+130", "+190", "+260"], None, ALL),
    ("ra_will", 0, ("Eiserner Wille", "Iron Will"), "IW", False,
     ("Verkürzt Betäubung, Bann und Lähmung.", "Shortens stuns, mesmerizes and roots."),
     ["5%", "10%", "15%", "20%", "25%"], None, ALL),
    ("ra_recovery", 0, ("Schnelle Genesung", "Quick Recovery"), "QR", False,
     ("Ausdauer kehrt schneller zurück.", "Endurance returns faster."),
     ["10%", "20%", "30%", "40%", "50%"], None, ALL),
    ("ra_well", 0, ("Tiefer Brunnen", "Deep Well"), "DW", False,
     ("Vergrößert den Manavorrat.", "Enlarges the power pool."),
     ["3%", "6%", "9%", "13%", "17%"], None, CASTERS),
    ("ra_clear", 0, ("Klarer Geist", "Clear Mind"), "CM", False,
     ("Mana regeneriert schneller.", "Power regenerates faster."),
     ["5%", "10%", "15%", "20%", "25%"], None, PURE_CASTERS),
    ("ra_wild", 0, ("Wilde Macht", "Wild Power"), "WP", False,
     ("Chance auf kritischen Zauberschaden.", "Chance of critical spell damage."),
     ["3%", "6%", "9%", "13%", "17%"], None, PURE_CASTERS),
    ("ra_haste", 0, ("Zaubereile", "Spell Haste"), "SH", False,
     ("Verkürzt die Zauberzeit.", "Shortens casting times."),
     ["2%", "4%", "6%", "8%", "10%"], None, PURE_CASTERS),
    ("ra_reach", 0, ("Weite Reichweite", "Far Reach"), "FR", False,
     ("Vergrößert die Reichweite von Zaubern und Schüssen.", "Extends the range of spells and shots."),
     ["3%", "6%", "9%", "12%", "15%"], None, lambda: PURE_CASTERS() + ARCHERS()),
    ("ra_battle", 0, ("Kampfgeschick", "Battle Sense"), "BS", False,
     ("Chance auf kritische Treffer im Nahkampf.", "Chance of critical hits in melee."),
     ["3%", "6%", "9%", "13%", "17%"], None, FIGHTERS),
    ("ra_eye", 0, ("Scharfes Auge", "Keen Eye"), "KE", False,
     ("Chance auf kritische Treffer mit Fernwaffen.", "Chance of critical hits with ranged weapons."),
     ["3%", "6%", "9%", "13%", "17%"], None, ARCHERS),
    ("ra_step", 0, ("Leiser Schritt", "Soft Step"), "SS", False,
     ("Erschwert das Entdecken im Schleichen.", "Makes you harder to spot while stealthed."),
     ["25", "50", "75", "100", "125"], None, STEALTH),
    ("ra_evade", 0, ("Ausweichkunst", "Evasion Art"), "EA", False,
     ("Erhöht die Chance auszuweichen.", "Raises the chance to evade."),
     ["2%", "4%", "6%", "8%", "10%"], None, EVADERS),
    ("ra_parry", 0, ("Parierkunst", "Parry Art"), "PA", False,
     ("Erhöht die Chance zu parieren.", "Raises the chance to parry."),
     ["2%", "4%", "6%", "8%", "10%"], None, PURE_FIGHTERS),
    ("ra_shield", 0, ("Schildmeister", "Shield Master"), "SM", False,
     ("Erhöht die Chance zu blocken.", "Raises the chance to block."),
     ["2%", "4%", "6%", "8%", "10%"], None, SHIELDS),
    ("ra_hands", 0, ("Heilkundige Hände", "Healer's Hands"), "HH", False,
     ("Verstärkt alle Heilzauber.", "Strengthens every healing spell."),
     ["3%", "6%", "9%", "12%", "15%"], None, HEALERS),
    ("ra_wind", 1, ("Zweiter Atem", "Second Wind"), "SW2", True,
     ("Stellt sofort Ausdauer wieder her.", "Restores endurance at once."),
     ["30%", "60%", "100%"], ("15 Min.", "15 min"), ALL),
    ("ra_valor", 1, ("Heldenmut", "Valor"), "VA", True,
     ("Beendet Betäubung, Bann und Lähmung.", "Ends stuns, mesmerizes and roots."),
     ["30 Min.", "15 Min.", "5 Min."], ("variabel", "varies"), ALL),
    ("ra_refuge", 1, ("Letzte Zuflucht", "Last Refuge"), "LR", True,
     ("Heilt einen Teil der verlorenen Trefferpunkte.", "Heals part of the lost hit points."),
     ["25%", "50%", "75%"], ("10 Min.", "10 min"), ALL),
    ("ra_charge", 1, ("Sturmlauf", "Charge"), "CH", True,
     ("Läuft für kurze Zeit sehr schnell.", "Runs very fast for a short time."),
     ["15s", "30s", "45s"], ("15 Min.", "15 min"), PURE_FIGHTERS),
    ("ra_bulwark", 1, ("Bollwerk", "Bulwark"), "BW", True,
     ("Blockt jeden Angriff für die angegebene Zeit.", "Blocks every attack for the time shown."),
     ["10s", "20s", "30s"], ("30 Min.", "30 min"), SHIELDS),
    ("ra_surge", 1, ("Arkaner Ausbruch", "Arcane Surge"), "AS", True,
     ("Füllt den Manavorrat auf.", "Refills the power pool."),
     ["25%", "50%", "100%"], ("15 Min.", "15 min"), CASTERS),
    ("ra_deathblow", 1, ("Todesstoß", "Death Blow"), "DB", True,
     ("Ein Hieb aus dem Schatten mit festem Schaden.", "A blow from the shadows with fixed damage."),
     ["200", "400", "600"], ("10 Min.", "10 min"), STEALTH),
    ("ra_circle", 1, ("Heilender Kreis", "Healing Circle"), "HC", True,
     ("Heilt alle Verbündeten in der Nähe.", "Heals every ally nearby."),
     ["400", "800", "1200"], ("15 Min.", "15 min"), HEALERS),
    ("ra_realm0", 1, ("Sonnenzorn", "Sun's Wrath"), "SUN", True,
     ("Sonnenfeuer fällt auf alle Feinde im Umkreis.", "Sunfire falls on every enemy around."),
     ["300", "600", "900"], ("30 Min.", "30 min"), REALM(0)),
    ("ra_realm1", 1, ("Hainruf", "Call of the Grove"), "GRV", True,
     ("Wurzeln halten alle Feinde im Umkreis fest.", "Roots hold every enemy around."),
     ["10s", "20s", "30s"], ("30 Min.", "30 min"), REALM(1)),
    ("ra_realm2", 1, ("Sturm des Nordens", "Northern Gale"), "GAL", True,
     ("Ein eisiger Sturm wirft Feinde zurück.", "An icy gale throws enemies back."),
     ["300", "600", "900"], ("30 Min.", "30 min"), REALM(2)),
]

# One signature ability per class, available from realm rank 5.
SIGNATURES = {
    "knight": ("Bannerschwur", "Banner Oath"), "templar": ("Sonnenurteil", "Sun's Judgement"),
    "arbalist": ("Bolzenhagel", "Bolt Hail"), "bladedancer": ("Klingenreigen", "Blade Round"),
    "duskblade": ("Dämmerschritt", "Dusk Step"), "flamewright": ("Feuersäule", "Pillar of Fire"),
    "stormcaller": ("Himmelszorn", "Wrath of the Sky"), "sunpriest": ("Morgenröte", "Red Dawn"),
    "ashbinder": ("Aschenregen", "Ashfall"), "monk": ("Stille Einkehr", "Silent Retreat"),
    "troubadour": ("Hofballade", "Court Ballad"), "guardsman": ("Torwacht", "Gatewatch"),
    "grovekeeper": ("Eichenwall", "Oakwall"), "pathfinder": ("Pfeilregen", "Arrow Rain"),
    "mistwalker": ("Nebelgeist", "Mist Wraith"), "springcaller": ("Quellsegen", "Spring's Blessing"),
    "harper": ("Lied der Feen", "Song of the Fae"), "thornwitch": ("Dornenkrone", "Crown of Thorns"),
    "stargazer": ("Sternenfall", "Starfall"), "wispcaller": ("Irrlichtschwarm", "Wisp Swarm"),
    "twinblade": ("Zwillingssturm", "Twin Storm"), "highlander": ("Hochlandschrei", "Highland Cry"),
    "speardancer": ("Tanz der Speere", "Dance of Spears"), "faeknight": ("Feeneid", "Fae Oath"),
    "bloodrager": ("Blutsturm", "Blood Storm"), "shieldbearer": ("Schildburg", "Shield Fortress"),
    "runecarver": ("Runenbrand", "Runeblaze"), "sagasinger": ("Lied der Ahnen", "Song of the Forebears"),
    "seeress": ("Blick ins Morgen", "Glimpse of Tomorrow"), "tracker": ("Spurlos", "Traceless"),
    "wolfsworn": ("Ruf des Rudels", "Call of the Pack"), "frostweaver": ("Ewiges Eis", "Everfrost"),
    "nightstalker": ("Nachtfall", "Nightfall"), "thunderpriest": ("Donnerhall", "Thunderclap"),
    "ancestorcaller": ("Ahnenheer", "Host of Ancestors"), "fjordwarrior": ("Sturmflut", "Storm Surge"),
}

CLASS_REALM = {}  # filled from the first race of each class


def _finish_class_realms():
    first_realm = {}
    for (de, en), realm, _, _ in RACES:
        first_realm.setdefault(en, realm)
    for c in CLASSES:
        CLASS_REALM[c[0]] = first_realm[c[9][0]]


_finish_class_realms()
RACE_NAMES = {}  # English name -> (de, en)
for _race in RACES:
    RACE_NAMES.setdefault(_race[0][1], _race[0])
CLASS_BY_KEY = {c[0]: c for c in CLASSES}

# ---------------------------------------------------------------------------
# Magic. A spell category is one theme (its words and damage type) applied to
# one archetype (what the spells do). Spell names are the theme's six tier
# words joined with the archetype's noun: German as a compound ("Glutpfeil"),
# English as two words ("Ember Bolt").
# ---------------------------------------------------------------------------

DAMAGE_TYPES = {
    "heat": ("Hitze", "Heat"), "cold": ("Kälte", "Cold"), "energy": ("Energie", "Energy"),
    "matter": ("Materie", "Matter"), "body": ("Körper", "Body"), "spirit": ("Geist", "Spirit"),
}

# key: (base word de, en), tier words de, tier words en, damage type
THEMES = {
    "fire": (("Feuer", "Fire"), "Funken Glut Flammen Lohen Brand Inferno",
             "Spark|Ember|Flame|Blaze|Wildfire|Inferno", "heat"),
    "frost": (("Frost", "Frost"), "Reif Frost Eis Hagel Gletscher Winter",
              "Rime|Frost|Ice|Hail|Glacier|Deepwinter", "cold"),
    "storm": (("Sturm", "Storm"), "Knister Blitz Donner Sturm Gewitter Himmels",
              "Crackle|Lightning|Thunder|Storm|Tempest|Skyfire", "energy"),
    "stone": (("Stein", "Stone"), "Kiesel Stein Fels Granit Basalt Berg",
              "Pebble|Stone|Rock|Granite|Basalt|Mountain", "matter"),
    "blight": (("Fäulnis", "Blight"), "Moder Fäulnis Seuchen Pest Verwesungs Todes",
               "Mildew|Rot|Plague|Pestilence|Decay|Death", "body"),
    "spirit": (("Geister", "Spirit"), "Hauch Seelen Geister Schemen Irrlicht Jenseits",
               "Whisper|Soul|Ghost|Phantom|Wisp|Otherworld", "spirit"),
    "sun": (("Sonnen", "Sun"), "Morgen Sonnen Mittags Strahlen Glanz Zenit",
            "Dawn|Sun|Noon|Radiant|Gleaming|Zenith", "heat"),
    "grace": (("Gnaden", "Grace"), "Milde Gnaden Segens Heils Weihe Himmels",
              "Gentle|Grace|Blessed|Holy|Hallowed|Celestial", "energy"),
    "aether": (("Äther", "Aether"), "Flimmer Äther Arkan Mana Sphären Urkraft",
               "Flicker|Aether|Arcane|Mana|Sphere|Primal", "energy"),
    "war": (("Kampf", "Battle"), "Kampf Kriegs Schlacht Helden Sieges Ruhmes",
            "Battle|War|Warfront|Hero|Victory|Glory", "matter"),
    "song": (("Lied", "Song"), "Weisen Lied Hymnen Choral Balladen Epos",
             "Tune|Song|Hymn|Chorale|Ballad|Epic", "energy"),
    "shadow": (("Schatten", "Shadow"), "Dämmer Schatten Nacht Finster Mitternachts Abgrund",
               "Dusk|Shadow|Night|Gloom|Midnight|Abyss", "cold"),
    "grove": (("Hain", "Grove"), "Moos Farn Efeu Dorn Eichen Wald",
              "Moss|Fern|Ivy|Thorn|Oak|Wildwood", "matter"),
    "bloom": (("Blüten", "Blossom"), "Knospen Blüten Rosen Lilien Mohn Sommer",
              "Bud|Blossom|Rose|Lily|Poppy|Summer", "body"),
    "wave": (("Wasser", "Water"), "Tau Quell Bach Strom Flut Meeres",
             "Dew|Spring|Brook|Torrent|Flood|Ocean", "cold"),
    "wind": (("Wind", "Wind"), "Lüftchen Brisen Wind Böen Orkan Himmelswind",
             "Breeze|Zephyr|Wind|Gust|Gale|Skywind", "energy"),
    "mist": (("Nebel", "Mist"), "Dunst Nebel Schleier Zwielicht Traum Mond",
             "Haze|Mist|Veil|Twilight|Dream|Moon", "spirit"),
    "star": (("Stern", "Star"), "Schimmer Stern Kometen Nova Gestirn Firmament",
             "Glimmer|Star|Comet|Nova|Constellation|Firmament", "energy"),
    "rune": (("Runen", "Rune"), "Kerb Ritz Runen Siegel Alt Ur",
             "Notch|Etched|Rune|Sigil|Ancient|Primal", "energy"),
    "blood": (("Blut", "Blood"), "Blut Wut Zorn Raserei Rausch Wahn",
              "Blood|Rage|Wrath|Frenzy|Bloodlust|Fury", "body"),
    "saga": (("Sagen", "Saga"), "Vers Reim Strophen Sagen Helden Götter",
             "Verse|Rhyme|Stanza|Saga|Heroic|Godly", "energy"),
    "aurora": (("Nordlicht", "Aurora"), "Fahl Schimmer Nordlicht Polar Himmelsbogen Sternenschleier",
               "Pale|Shimmer|Aurora|Polar|Skyarc|Starveil", "cold"),
    "beast": (("Wolfs", "Wolf"), "Welpen Wolfs Luchs Bären Warg Leitwolf",
              "Cub|Wolf|Lynx|Bear|Warg|Alpha", "body"),
    "bone": (("Knochen", "Bone"), "Asche Grab Knochen Gruft Hügelgrab Ahnen",
             "Ash|Grave|Bone|Crypt|Barrow|Ancestor", "spirit"),
    "thunder": (("Donner", "Thunder"), "Grollen Donner Donnerkeil Hammer Wetter Göttersturm",
                "Rumble|Thunder|Thunderbolt|Hammer|Weather|Godstorm", "energy"),
    "venom": (("Gift", "Venom"), "Nessel Schierlings Nattern Skorpion Spinnen Basilisken",
              "Nettle|Hemlock|Adder|Scorpion|Spider|Basilisk", "body"),
}

# Archetypes: noun (de compound tail, en), target (de, en), cast seconds (0 =
# instant), duration (de, en or None), recast seconds, range (None = self),
# value a + b * level, effect (de, en; {v} value, {d} damage type), carries
# the damage type, display mode, mana cost a + b * level.
_SELF = ("Selbst", "Self")
_ENEMY = ("Feind", "Enemy")
_GROUP = ("Gruppe", "Group")
_FRIEND = ("Verbündeter", "Friend")
_AREA = ("Feinde im Umkreis", "Enemies around")
_WEAPON = ("Eigene Waffe", "Own weapon")
ARCHETYPES = {
    "bolt": (("pfeil", "Bolt"), _ENEMY, 3.0, None, 0, 1875, (14, 4.2),
             ("{v} Schaden ({d})", "{v} {d} damage"), True, 0, (3, 0.55)),
    "nuke": (("schlag", "Strike"), _ENEMY, 2.5, None, 0, 1500, (10, 3.6),
             ("{v} Schaden ({d})", "{v} {d} damage"), True, 0, (3, 0.5)),
    "blast": (("welle", "Wave"), _AREA, 3.0, None, 0, 1500, (8, 2.6),
              ("{v} Schaden ({d}), Radius 350", "{v} {d} damage, radius 350"), True, 0, (5, 0.7)),
    "dot": (("qual", "Torment"), _ENEMY, 2.5, ("20 Sek.", "20 sec"), 0, 1500, (3, 1.1),
            ("{v} Schaden ({d}) alle 4 Sek.", "{v} {d} damage every 4 sec"), True, 0, (3, 0.4)),
    "lifetap": (("raub", "Drain"), _ENEMY, 2.8, None, 0, 1500, (9, 3.2),
                ("{v} Schaden ({d}), heilt die Hälfte", "{v} {d} damage, heals you for half"), True, 0,
                (3, 0.5)),
    "heal": (("heilung", "Mending"), _FRIEND, 2.5, None, 0, 2000, (20, 9.5),
             ("Heilt {v} Trefferpunkte", "Heals {v} hit points"), False, 1, (4, 0.8)),
    "groupheal": (("kreis", "Circle"), _GROUP, 3.5, None, 0, 2000, (15, 6.0),
                  ("Heilt jedes Gruppenmitglied um {v}", "Heals every group member for {v}"), False, 1,
                  (8, 1.5)),
    "hot": (("atem", "Breath"), _FRIEND, 2.0, ("30 Sek.", "30 sec"), 0, 2000, (4, 1.6),
            ("Heilt {v} alle 3 Sek.", "Heals {v} every 3 sec"), False, 0, (4, 0.6)),
    "buff_str": (("kraft", "Might"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (5, 1.05),
                 ("+{v} Stärke", "+{v} strength"), False, 0, (2, 0.3)),
    "buff_con": (("haut", "Hide"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (5, 1.05),
                 ("+{v} Konstitution", "+{v} constitution"), False, 0, (2, 0.3)),
    "buff_dex": (("geschick", "Deftness"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (5, 1.05),
                 ("+{v} Geschicklichkeit", "+{v} dexterity"), False, 0, (2, 0.3)),
    "buff_strcon": (("mark", "Vigor"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (6, 1.3),
                    ("+{v} Stärke und Konstitution", "+{v} strength and constitution"), False, 0, (3, 0.4)),
    "buff_dexqui": (("eile", "Haste"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (6, 1.3),
                    ("+{v} Geschicklichkeit und Schnelligkeit", "+{v} dexterity and quickness"), False, 0,
                    (3, 0.4)),
    "buff_acu": (("sinn", "Insight"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (5, 1.0),
                 ("+{v} Zauberwert", "+{v} acuity"), False, 0, (3, 0.4)),
    "armor": (("panzer", "Ward"), _FRIEND, 3.0, ("20 Min.", "20 min"), 0, 1000, (8, 1.9),
              ("+{v} Rüstungsfaktor", "+{v} armor factor"), False, 0, (2, 0.3)),
    "ablative": (("schild", "Aegis"), _SELF, 2.0, ("10 Min.", "10 min"), 15, None, (20, 7.5),
                 ("Absorbiert {v} Schaden", "Absorbs {v} damage"), False, 0, (4, 0.6)),
    "dmgadd": (("klinge", "Edge"), _GROUP, 3.0, ("10 Min.", "10 min"), 0, 1000, (1, 0.22),
               ("+{v} Schaden ({d}) pro Treffer", "+{v} {d} damage per hit"), True, 0, (3, 0.4)),
    "resist": (("mantel", "Mantle"), _GROUP, 3.0, ("20 Min.", "20 min"), 0, 1000, (4, 0.45),
               ("+{v}% Resistenz gegen {d}", "+{v}% resistance to {d}"), False, 0, (3, 0.3)),
    "debuff": (("bürde", "Burden"), _ENEMY, 2.5, ("60 Sek.", "60 sec"), 0, 1500, (4, 0.9),
               ("-{v} Stärke und Konstitution", "-{v} strength and constitution"), False, 0, (3, 0.4)),
    "snare": (("fessel", "Shackle"), _ENEMY, 2.0, ("30 Sek.", "30 sec"), 0, 1500, (25, 0.6),
              ("Verlangsamt um {v}%", "Slows by {v}%"), False, 0, (3, 0.3)),
    "root": (("bann", "Bind"), _ENEMY, 2.5, None, 0, 1500, (10, 0.5),
             ("Hält das Ziel {v} Sek. fest", "Roots the target for {v} sec"), False, 0, (3, 0.3)),
    "mez": (("schlaf", "Slumber"), _ENEMY, 2.8, None, 0, 1500, (15, 0.45),
            ("Bannt das Ziel {v} Sek.", "Mesmerizes the target for {v} sec"), False, 0, (4, 0.35)),
    "stun": (("schock", "Shock"), _ENEMY, 2.2, None, 30, 1200, (3, 0.1),
             ("Betäubt das Ziel {v} Sek.", "Stuns the target for {v} sec"), False, 0, (4, 0.35)),
    "pet": (("diener", "Servant"), _SELF, 4.0, None, 0, None, (1, 0.96),
            ("Ruft einen Diener der Stufe {v}", "Summons a level {v} servant"), False, 2, (8, 1.2)),
    "speed": (("pfad", "Stride"), _GROUP, 0.0, ("bis zum Kampf", "until combat"), 0, 1000, (10, 0.6),
              ("+{v}% Laufgeschwindigkeit", "+{v}% movement speed"), False, 0, (2, 0.1)),
    "powerregen": (("quell", "Font"), _GROUP, 3.0, ("10 Min.", "10 min"), 0, 1000, (1, 0.12),
                   ("+{v} Mana alle 6 Sek.", "+{v} power every 6 sec"), False, 0, (3, 0.3)),
    "poison_dot": (("gift", "Venom"), _WEAPON, 0.0, ("20 Sek.", "20 sec"), 0, None, (5, 1.4),
                   ("{v} Schaden ({d}) alle 4 Sek.", "{v} {d} damage every 4 sec"), True, 2, None),
    "poison_weak": (("tinktur", "Tincture"), _WEAPON, 0.0, ("30 Sek.", "30 sec"), 0, None, (5, 0.4),
                    ("-{v}% Trefferchance des Ziels", "-{v}% to the target's chance to hit"), False, 2, None),
    "poison_snare": (("öl", "Oil"), _WEAPON, 0.0, ("15 Sek.", "15 sec"), 0, None, (20, 0.7),
                     ("Verlangsamt das Ziel um {v}%", "Slows the target by {v}%"), False, 2, None),
}

# Archetypes whose first spell comes late, by the level of that first spell.
LATE_ARCHETYPES = {"groupheal": 15}

# Spell lines: key, name (de, en), tag (None = the name), specialisation name
# (None = no specialisation part), base categories, specialisation categories
# ("theme:archetype" words). Realm blocks in file order; the positions of the
# three lines in LINE_POSITIONS are fixed for old character files.
SPELL_LINES = [
    # --- Caldor ---
    ("c_battle", ("Schlachtrufe", "Battle Cries"), None, None, "war:buff_str war:armor war:stun", ""),
    ("c_field", ("Feldscherkunst", "Field Surgery"), None, None, "war:heal war:hot", ""),
    ("c_sunhymn", ("Sonnenhymnen", "Sun Hymns"), ("Hymnen", "Hymns"), ("Sonnenglanz", "Sunblaze"),
     "sun:dmgadd sun:armor", "sun:nuke sun:ablative sun:stun"),
    ("c_dawn", ("Morgengebete", "Dawn Prayers"), None, None, "sun:heal sun:resist sun:buff_con", ""),
    ("c_fire", ("Flammenkunst", "Flamecraft"), ("Feuer", "Fire"), ("Feuersbrunst", "Conflagration"),
     "fire:bolt fire:blast", "fire:nuke fire:dot"),
    ("c_ember", ("Glutwissen", "Emberlore"), None, ("Funkenflug", "Sparkflight"),
     "fire:ablative fire:resist", "fire:snare fire:stun"),
    ("c_inferno", ("Glutherz", "Emberheart"), None, ("Weltenbrand", "Worldfire"),
     "fire:buff_acu", "fire:lifetap fire:debuff"),
    ("c_arcane", ("Arkane Grundlagen", "Arcane Basics"), ("Arkan", "Arcane"), ("Arkanum", "Arcanum"),
     "aether:bolt aether:ablative aether:powerregen", "aether:nuke aether:buff_acu"),
    ("c_storm", ("Sturmkunde", "Stormlore"), None, ("Gewitterwut", "Tempest Fury"),
     "storm:bolt storm:buff_dexqui", "storm:nuke storm:stun"),
    ("c_sky", ("Himmelspfade", "Sky Paths"), None, ("Windmacht", "Windmight"),
     "storm:speed storm:ablative", "storm:blast storm:snare"),
    ("c_tempest", ("Wolkenbann", "Cloudbinding"), None, ("Blitzschlag", "Lightning Strike"),
     "storm:resist storm:debuff", "storm:dot storm:root"),
    ("c_grace", ("Gnadengebete", "Prayers of Grace"), None, ("Heiligkeit", "Holiness"),
     "grace:heal grace:groupheal", "grace:hot grace:nuke"),
    ("c_hallow", ("Weihen", "Hallowings"), None, ("Läuterung", "Purification"),
     "grace:armor grace:resist", "grace:debuff grace:mez"),
    ("c_mercy", ("Barmherzigkeit", "Mercy"), None, ("Erlösung", "Redemption"),
     "grace:buff_con grace:powerregen", "grace:ablative grace:stun"),
    ("c_ash", ("Aschebann", "Ashbinding"), None, ("Verderbnis", "Corruption"),
     "blight:dot blight:lifetap", "blight:debuff blight:snare"),
    ("c_soul", ("Seelenfesseln", "Soulbinding"), None, ("Seelenraub", "Soulreaving"),
     "spirit:pet spirit:ablative", "spirit:lifetap spirit:root"),
    ("c_grave", ("Grabeskälte", "Grave Chill"), None, ("Totenstarre", "Deathgrip"),
     "blight:bolt blight:resist", "blight:mez blight:blast"),
    ("c_pilgrim", ("Pilgerweg", "Pilgrim's Way"), None, None, "grace:buff_dexqui grace:speed", ""),
    ("c_song", ("Balladen", "Ballads"), None, ("Minnesang", "Courtly Song"),
     "song:speed song:powerregen", "song:mez song:stun"),
    ("c_lute", ("Lautenspiel", "Lute Play"), None, None, "song:heal song:resist", ""),
    ("c_shadow", ("Schattenkunst", "Shadowcraft"), None, ("Verhüllung", "Concealment"),
     "shadow:speed", "shadow:buff_dex shadow:snare"),
    # --- Glenmora ---
    ("g_grove", ("Hainkunde", "Grovelore"), None, ("Dornenwehr", "Thornguard"),
     "grove:buff_strcon grove:armor", "grove:dmgadd grove:root"),
    ("g_oath", ("Hüterschwur", "Keeper's Oath"), None, ("Borkenhaut", "Barkskin"),
     "grove:heal grove:ablative", "grove:buff_con grove:buff_str"),
    ("g_field", ("Kräuterkunde", "Herbalism"), None, None, "bloom:heal bloom:hot", ""),
    ("g_path", ("Pfadkunde", "Pathlore"), None, None, "grove:speed grove:resist", ""),
    ("g_mist", ("Nebelkunst", "Mistcraft"), None, ("Nebelhülle", "Mistshroud"),
     "mist:speed", "mist:buff_dexqui mist:resist"),
    ("g_spring", ("Quellenkunde", "Springlore"), ("Quellen", "Springs"), ("Lebensquell", "Wellspring of Life"),
     "wave:heal wave:groupheal", "wave:hot wave:resist"),
    ("g_wild", ("Wildwuchs", "Wildgrowth"), None, ("Urwald", "Primeval Forest"),
     "grove:snare grove:bolt", "grove:blast grove:stun"),
    ("g_nature", ("Naturbande", "Nature's Bonds"), None, ("Erdverbundenheit", "Earthbond"),
     "stone:armor stone:buff_con", "stone:ablative stone:nuke"),
    ("g_bloom", ("Blütenzauber", "Blossom Magic"), None, ("Sommerglut", "Summer's Warmth"),
     "bloom:buff_dex bloom:resist", "bloom:groupheal bloom:mez"),
    ("g_harp", ("Harfenspiel", "Harpsong"), None, ("Feenweisen", "Fae Melodies"),
     "wind:speed wind:powerregen", "wind:mez wind:stun"),
    ("g_lore", ("Alte Künste", "Old Arts"), None, ("Feenwissen", "Faelore"),
     "wind:bolt wind:ablative", "wind:nuke wind:buff_acu"),
    ("g_thorncurse", ("Dornenfluch", "Thorncurse"), None, ("Fluchweberei", "Curseweaving"),
     "grove:dot grove:debuff", "grove:lifetap grove:mez"),
    ("g_bramble", ("Dornengestrüpp", "Bramblecraft"), None, ("Dornenwall", "Thornwall"),
     "bloom:dot bloom:snare", "bloom:bolt bloom:root"),
    ("g_star", ("Sternkunde", "Starlore"), ("Sterne", "Stars"), ("Sternenfeuer", "Starfire"),
     "star:bolt star:buff_acu", "star:nuke star:blast"),
    ("g_moon", ("Mondschein", "Moonglow"), None, ("Mondbann", "Moonbinding"),
     "mist:ablative star:powerregen", "mist:root mist:snare"),
    ("g_comet", ("Kometenbahn", "Comet's Path"), None, ("Himmelsfeuer", "Heavenfire"),
     "star:speed star:resist", "star:dot star:stun"),
    ("g_wisp", ("Irrlichter", "Wisplights"), None, ("Geisterruf", "Ghostcall"),
     "mist:pet spirit:resist", "spirit:bolt spirit:dot"),
    ("g_dream", ("Trugbilder", "Illusions"), None, ("Wahnbilder", "Phantasms"),
     "mist:mez mist:debuff", "mist:nuke mist:stun"),
    ("g_phantom", ("Schemenwelt", "Phantom Realm"), None, ("Seelenschrei", "Soul Scream"),
     "spirit:snare spirit:buff_acu", "spirit:blast spirit:mez"),
    ("g_fae", ("Feenzauber", "Fae Magic"), None, ("Feenglanz", "Faeglow"),
     "mist:dmgadd mist:armor", "star:heal mist:lifetap"),
    # --- Nordhal ---
    ("n_rage", ("Blutrausch", "Bloodlust"), None, ("Raserei", "Frenzy"),
     "blood:buff_str blood:speed", "blood:dmgadd blood:buff_dexqui"),
    ("n_horn", ("Kriegshörner", "War Horns"), None, None, "war:buff_con war:resist", ""),
    ("n_field", ("Wundsegen", "Wound Charms"), None, None, "rune:heal rune:hot", ""),
    ("n_rune", ("Runenkunde", "Runelore"), ("Runen", "Runes"), ("Runenmacht", "Runic Might"),
     "rune:bolt rune:ablative", "rune:nuke rune:blast"),
    ("n_seal", ("Siegelkunst", "Sealcraft"), None, ("Bannsiegel", "Binding Seals"),
     "rune:snare rune:root", "rune:stun rune:debuff"),
    ("n_glyph", ("Zeichendeutung", "Glyphreading"), None, ("Urzeichen", "Primal Glyphs"),
     "rune:buff_acu rune:resist", "rune:dot rune:mez"),
    ("n_elder", ("Ältestenwissen", "Elder Lore"), None, ("Weltenbaum", "World Tree"),
     "stone:powerregen stone:resist", "stone:blast stone:snare"),
    ("n_saga", ("Heldensagen", "Hero Sagas"), None, ("Kriegsgesang", "War Chant"),
     "saga:buff_str saga:speed", "saga:dmgadd saga:nuke"),
    ("n_aurora", ("Nordlichtsegen", "Aurora Blessings"), None, ("Weissagung", "Prophecy"),
     "aurora:heal aurora:groupheal", "aurora:hot aurora:mez"),
    ("n_fate", ("Schicksalsfäden", "Threads of Fate"), None, ("Schicksalsbann", "Doom"),
     "aurora:resist aurora:powerregen", "aurora:debuff aurora:stun"),
    ("n_vision", ("Seherblick", "Seer's Sight"), None, ("Traumdeutung", "Dreamreading"),
     "aurora:buff_con aurora:buff_dex", "aurora:ablative aurora:root"),
    ("n_trail", ("Fährtenkunde", "Tracklore"), None, None, "beast:speed beast:buff_dex", ""),
    ("n_wolf", ("Wolfsbund", "Wolf Pact"), None, ("Rudelmacht", "Pack Might"),
     "beast:pet beast:buff_str", "beast:dmgadd beast:buff_dexqui"),
    ("n_frost", ("Eiskunst", "Icecraft"), ("Eis", "Ice"), ("Gletscherzorn", "Glacial Wrath"),
     "frost:bolt frost:snare", "frost:nuke frost:blast"),
    ("n_winter", ("Winterwacht", "Winterwatch"), None, ("Eisgrab", "Icy Tomb"),
     "frost:ablative frost:resist", "frost:root frost:stun"),
    ("n_rime", ("Raureif", "Hoarfrost"), None, ("Ewiger Winter", "Endless Winter"),
     "frost:buff_acu frost:dot", "frost:debuff frost:mez"),
    ("n_night", ("Nachtkunst", "Nightcraft"), None, ("Nachtschleier", "Nightveil"),
     "frost:speed", "frost:buff_dexqui frost:dmgadd"),
    ("n_thunder", ("Donnergebete", "Thunder Prayers"), None, ("Hammerweihe", "Hammer Hallowing"),
     "thunder:dmgadd thunder:armor", "thunder:nuke thunder:stun"),
    ("n_ancestor", ("Ahnenkult", "Ancestor Cult"), None, ("Grabesruf", "Grave Call"),
     "bone:pet bone:ablative", "bone:bolt bone:dot"),
    ("n_deathwatch", ("Totenwacht", "Deathwatch"), None, ("Seelenfrost", "Soulfrost"),
     "bone:debuff bone:lifetap", "bone:snare bone:mez"),
    ("n_barrow", ("Hügelgräber", "Barrows"), None, ("Knochensturm", "Bonestorm"),
     "bone:resist bone:buff_acu", "bone:blast bone:root"),
    # --- shared by the stealth classes of all realms ---
    ("poison", ("Vergiften", "Player poisons"), None, ("Giftmischerei", "Poisoncraft"),
     "", "venom:poison_dot venom:poison_weak venom:poison_snare"),
]

# Spell-line ids: realm blocks with room to grow; the poison line has its own.
SPELL_LINE_ID_BASE = {"c": 1, "g": 101, "n": 201, "poison": 300}
# Old character files exchange positions 34 with 39 (for the Duskblade) and 34
# with 35 (for the Mistwalker): both classes have lines exactly there.
LINE_POSITIONS = {34: "poison", 35: "g_mist", 39: "c_shadow"}

# Lines that use no casting stat pay with endurance instead of power.
ENDURANCE_LINES = ("c_battle", "c_field", "c_pilgrim", "c_shadow", "g_path", "g_field", "g_mist",
                   "n_horn", "n_field", "n_trail", "n_night", "n_rage")

# ---------------------------------------------------------------------------
# Combat styles
# ---------------------------------------------------------------------------

# Style lines: key, id, name (de, en), kind, stem for style names (de compound
# head, en word), weapon ability (de, en) or None.
STYLE_LINES = [
    ("c_blades", 1, ("Klingen", "Blades"), "melee", ("Klingen", "Blade"), ("Schwerter", "Swords")),
    ("c_crush", 2, ("Wuchtwaffen", "Crushing"), "melee", ("Streitkolben", "Mace"), ("Streitkolben", "Maces")),
    ("c_pierce", 3, ("Stichwaffen", "Piercing"), "melee", ("Dolch", "Dagger"), ("Dolche", "Daggers")),
    ("c_twohand", 4, ("Zweihänder", "Two-Handed"), "melee", ("Zweihand", "Greatblade"),
     ("Zweihänder", "Two-handed weapons")),
    ("c_polearm", 5, ("Stangenwaffen", "Polearms"), "melee", ("Hellebarden", "Halberd"),
     ("Stangenwaffen", "Polearms")),
    ("c_shield", 6, ("Schildkampf", "Shield Fighting"), "shield", ("Schild", "Shield"), None),
    ("c_crossbow", 7, ("Armbrust", "Crossbow"), "ranged", ("Bolzen", "Quarrel"), ("Armbrüste", "Crossbows")),
    ("c_dual", 8, ("Zwei Waffen", "Dual Wield"), "melee", ("Doppel", "Double"), ("Zweitwaffe", "Off-hand weapon")),
    ("c_staff", 9, ("Stabkampf", "Staff Fighting"), "melee", ("Stab", "Staff"), ("Kampfstäbe", "Quarterstaves")),
    ("c_backstab", 10, ("Meuchelkunst", "Assassination"), "stealth", ("Meuchel", "Assassin's"), None),
    ("c_flail", 11, ("Flegel", "Flails"), "melee", ("Flegel", "Flail"), ("Flegel", "Flails")),
    ("c_fist", 12, ("Faustkampf", "Brawling"), "melee", ("Faust", "Fist"), ("Kampfhandschuhe", "Cestus")),
    ("g_longblade", 21, ("Langklingen", "Longblades"), "melee", ("Langklingen", "Longblade"),
     ("Langklingen", "Longblades")),
    ("g_club", 22, ("Keulen", "Clubs"), "melee", ("Keulen", "Club"), ("Keulen", "Clubs")),
    ("g_thorn", 23, ("Dornklingen", "Thornblades"), "melee", ("Dorn", "Thorn"), ("Dornklingen", "Thornblades")),
    ("g_greatsword", 24, ("Großschwerter", "Greatswords"), "melee", ("Großschwert", "Greatsword"),
     ("Großschwerter", "Greatswords")),
    ("g_spear", 25, ("Speere", "Spears"), "melee", ("Speer", "Spear"), ("Speere", "Spears")),
    ("g_shield", 26, ("Schildkunst", "Shieldcraft"), "shield", ("Rundschild", "Roundshield"), None),
    ("g_longbow", 27, ("Langbogen", "Longbow"), "ranged", ("Pfeil", "Arrow"), ("Langbögen", "Longbows")),
    ("g_twin", 28, ("Zwillingsklingen", "Twin Blades"), "melee", ("Zwillings", "Twin"),
     ("Zwillingsklingen", "Twin blades")),
    ("g_miststrike", 29, ("Nebelstich", "Mist Strike"), "stealth", ("Schleier", "Veil"), None),
    ("g_sickle", 30, ("Sicheln", "Sickles"), "melee", ("Sichel", "Sickle"), ("Sicheln", "Sickles")),
    ("n_axe", 41, ("Äxte", "Axes"), "melee", ("Axt", "Axe"), ("Äxte", "Axes")),
    ("n_hammer", 42, ("Hämmer", "Hammers"), "melee", ("Hammer", "Hammer"), ("Hämmer", "Hammers")),
    ("n_sword", 43, ("Schwerter", "Swords"), "melee", ("Schwert", "Sword"), ("Nordschwerter", "Northern swords")),
    ("n_greataxe", 44, ("Zweihandäxte", "Great Axes"), "melee", ("Großaxt", "Great Axe"),
     ("Zweihandäxte", "Great axes")),
    ("n_offaxe", 45, ("Linke Axt", "Left Axe"), "melee", ("Linkshand", "Left-Hand"),
     ("Linkshandäxte", "Left-hand axes")),
    ("n_claw", 46, ("Klauen", "Claws"), "melee", ("Klauen", "Claw"), ("Kampfklauen", "Battle claws")),
    ("n_shieldwall", 47, ("Schildwall", "Shield Wall"), "shield", ("Schildwall", "Shieldwall"), None),
    ("n_bow", 48, ("Jagdbogen", "Hunting Bow"), "ranged", ("Jagd", "Hunter's"), ("Jagdbögen", "Hunting bows")),
    ("n_shadowstrike", 49, ("Schattenstich", "Shadow Strike"), "stealth", ("Nachtschatten", "Nightshade"),
     None),
]

# Style name endings: German compound tail, English word.
MELEE_NAMES = [("schlag", "Blow"), ("biss", "Bite"), ("finte", "Feint"), ("wirbel", "Whirl"),
               ("konter", "Counter"), ("brecher", "Breaker"), ("tanz", "Dance"), ("sichel", "Crescent"),
               ("zorn", "Wrath"), ("kreis", "Circle"), ("sprung", "Leap"), ("keil", "Wedge"),
               ("sturm", "Storm"), ("donner", "Thunder"), ("glanz", "Gleam"), ("flut", "Tide")]
STEALTH_NAMES = [("hinterhalt", "Ambush"), ("kuss", "Kiss"), ("dorn", "Thorn"), ("flüstern", "Whisper"),
                 ("schnitt", "Cut"), ("stich", "Sting"), ("fall", "Fall"), ("ende", "End"),
                 ("atem", "Breath"), ("grab", "Grave"), ("mal", "Mark"), ("ruhe", "Rest")]
RANGED_NAMES = [("schuss", "Shot"), ("salve", "Volley"), ("hagel", "Hail"), ("blick", "Sight"),
                ("regen", "Rain"), ("flug", "Flight")]
SHIELD_NAMES = [("stoß", "Bash"), ("wacht", "Guard"), ("ramme", "Ram"), ("wall", "Wall"),
                ("wehr", "Defence"), ("sturz", "Slam"), ("trotz", "Defiance"), ("hieb", "Smash"),
                ("bastion", "Bastion"), ("ruf", "Call")]

# Per slot of a line: level, position, reaction, slot followed (None), attack,
# defence bonus, defence penalty, fatigue, damage, effect. A style may follow
# a later slot of higher level; until the line reaches that level, the
# follow-up stands on its own in the styles tree.
_N = "none"
MELEE_SLOTS = [
    (2, "any", _N, None, 1, _N, 1, 1, 1, "taunt"),
    (4, "any", "parry", None, 2, 1, _N, 1, 2, None),
    (6, "any", _N, 0, 2, _N, 1, 1, 2, "hit_penalty"),
    (8, "side", _N, None, 2, _N, 1, 2, 2, "snare"),
    (10, "any", _N, None, 1, 2, _N, 1, 1, "detaunt"),
    (12, "any", "evade", None, 3, _N, _N, 1, 3, "bleed"),
    (15, "any", _N, 3, 3, _N, 1, 2, 3, "stun"),
    (18, "behind", _N, None, 3, _N, 1, 2, 3, "bleed"),
    (21, "any", "block", None, 2, 1, _N, 1, 3, "haste_penalty"),
    (25, "any", _N, 1, 3, 1, _N, 2, 3, "snare"),
    (29, "front", _N, None, 3, _N, 2, 2, 3, "taunt"),
    (34, "any", _N, 9, 4, _N, 1, 2, 4, "stun"),
    (39, "any", "target", None, 3, _N, _N, 2, 3, "hit_penalty"),
    (44, "side", _N, None, 4, _N, 2, 3, 4, "bleed"),
    (50, "any", _N, 7, 4, 2, _N, 3, 4, "stun"),
]
# A tuple in the position or reaction field gives one text per stealth line,
# in STYLE_LINES order: each realm's assassins open a little differently.
STEALTH_SLOTS = [
    (1, "behind", _N, None, 3, _N, 2, 2, 3, "stun", True),
    (4, "side", _N, None, 3, _N, 2, 2, 3, "bleed", True),
    (8, "any", (_N, "target", _N), None, 2, _N, 1, 2, 2, "snare", True),
    (12, "any", _N, 0, 3, _N, 1, 1, 3, "bleed", False),
    (16, "any", ("evade", "block", "parry"), None, 3, 1, _N, 1, 3, "hit_penalty", True),
    (21, "behind", _N, None, 4, _N, 2, 2, 4, "bleed", False),
    (25, "any", _N, 1, 3, _N, 1, 1, 3, "snare", False),
    (30, "front", _N, None, 2, _N, _N, 1, 2, "haste_penalty", True),
    (35, "any", _N, 5, 4, _N, 1, 2, 4, "stun", False),
    (40, "behind", _N, None, 4, _N, 2, 3, 4, "bleed", True),
    (45, "any", _N, 9, 4, _N, 1, 2, 4, "bleed", False),
    (50, "side", _N, None, 4, _N, 2, 3, 4, "stun", True),
]
SHIELD_SLOTS = [
    (3, "any", _N, None, 1, 1, _N, 1, 1, "stun"),
    (7, "any", "block", None, 2, 2, _N, 1, 2, "hit_penalty"),
    (12, "any", _N, 1, 2, 2, _N, 2, 2, "stun"),
    (18, "front", _N, None, 2, 3, _N, 2, 2, "taunt"),
    (24, "any", "block", None, 3, 2, _N, 2, 3, "snare"),
    (30, "any", _N, 6, 3, 2, _N, 2, 3, "stun"),
    (36, "side", _N, None, 2, 2, _N, 2, 2, "detaunt"),
    (42, "any", "target", None, 3, 2, _N, 3, 3, "stun"),
    (50, "any", "block", None, 4, 3, _N, 3, 3, "haste_penalty"),
]
RANGED_LEVELS = [2, 10, 18, 27, 36, 45]

# ---------------------------------------------------------------------------
# Abilities by level
# ---------------------------------------------------------------------------

# key: name (de, en), level, description (de, en)
ABILITIES = {
    "protect": (("Beschützen", "Protect"), 7, ("Du ziehst den Zorn der Feinde von einem Gefährten ab.",
                                               "You draw the enemies' anger away from a companion.")),
    "intercept": (("Abfangen", "Intercept"), 15, ("Du wirfst dich vor einen Gefährten und fängst den nächsten Hieb ab.",
                                                 "You throw yourself before a companion and take the next blow.")),
    "sprint": (("Sprinten", "Sprint"), 0, ("Läuft schneller, solange die Ausdauer reicht.",
                                          "Runs faster as long as your endurance lasts.")),
    "evade1": (("Ausweichen I", "Evade I"), 4, ("Eine kleine Chance, Angriffen auszuweichen.",
                                               "A small chance to evade attacks.")),
    "evade2": (("Ausweichen II", "Evade II"), 15, ("Eine bessere Chance, Angriffen auszuweichen.",
                                                  "A better chance to evade attacks.")),
    "evade3": (("Ausweichen III", "Evade III"), 30, ("Die höchste Kunst des Ausweichens.",
                                                    "The highest art of evading.")),
    "dangersense": (("Gefahrensinn", "Danger Sense"), 11, ("Spürt Fallen und versteckte Feinde in der Nähe.",
                                                          "Senses traps and hidden enemies nearby.")),
    "safefall": (("Sanfter Fall", "Safe Fall"), 12, ("Verringert den Schaden bei Stürzen.",
                                                    "Lessens the damage of falls.")),
    "stealth": (("Schleichen", "Stealth"), 0, ("Macht dich unsichtbar, solange du dich langsam bewegst.",
                                              "Makes you unseen while you move slowly.")),
    "weapon_staff": (("Waffe: Stab", "Weapon: Staff"), 0, ("Zauberer tragen einen Stab als Waffe und Fokus.",
                                                          "Casters carry a staff as weapon and focus.")),
    "spellfocus": (("Zauberfokus", "Spell Focus"), 20, ("Ein Stab mit Fokus senkt die Manakosten der Zauber.",
                                                       "A focus staff lowers the power cost of spells.")),
}

# Armour by kind: (name de, en, level) from the lightest up.
ARMOUR = {
    "cloth": [("Stoff", "Cloth", 0)],
    "leather": [("Stoff", "Cloth", 0), ("Leder", "Leather", 0)],
    "chain": [("Stoff", "Cloth", 0), ("Leder", "Leather", 0), ("Kette", "Chain", 10)],
    "scale": [("Stoff", "Cloth", 0), ("Leder", "Leather", 0), ("Schuppe", "Scale", 10)],
    "plate": [("Stoff", "Cloth", 0), ("Leder", "Leather", 0), ("Kette", "Chain", 10), ("Platte", "Plate", 20)],
}

SHIELD_SIZES = [("Klein", "Small", 0), ("Mittel", "Medium", 8), ("Groß", "Large", 16)]

# ---------------------------------------------------------------------------
# Old-rules realm abilities: key, name (de, en) (the same as a new-rules name
# where the ability exists in both), active, reuse seconds, five costs,
# prerequisite key and level, description (de, en), classes.
# ---------------------------------------------------------------------------

_P5 = (1, 3, 6, 10, 14)
RAS_OLD = [
    ("o_str", "ra_str", False, 0, _P5, None, 0, None, FIGHTERS),
    ("o_con", "ra_con", False, 0, _P5, None, 0, None, ALL),
    ("o_dex", "ra_dex", False, 0, _P5, None, 0, None, ALL),
    ("o_qui", "ra_qui", False, 0, _P5, None, 0, None, FIGHTERS),
    ("o_acu", "ra_acu", False, 0, _P5, None, 0, None, CASTERS),
    ("o_hp", "ra_hp", False, 0, (2, 5, 8, 12, 16), None, 0, None, ALL),
    ("o_will", "ra_will", False, 0, (2, 4, 8, 0, 0), None, 0, None, ALL),
    ("o_recovery", "ra_recovery", False, 0, (1, 2, 4, 7, 10), None, 0, None, ALL),
    ("o_well", "ra_well", False, 0, _P5, None, 0, None, CASTERS),
    ("o_clear", "ra_clear", False, 0, (2, 5, 8, 12, 16), None, 0, None, PURE_CASTERS),
    ("o_wild", "ra_wild", False, 0, (3, 6, 10, 0, 0), None, 0, None, PURE_CASTERS),
    ("o_haste", "ra_haste", False, 0, (3, 6, 10, 14, 0), "o_clear", 2, None, PURE_CASTERS),
    ("o_reach", "ra_reach", False, 0, (1, 3, 6, 0, 0), None, 0, None, lambda: PURE_CASTERS() + ARCHERS()),
    ("o_battle", "ra_battle", False, 0, _P5, None, 0, None, FIGHTERS),
    ("o_eye", "ra_eye", False, 0, _P5, None, 0, None, ARCHERS),
    ("o_step", "ra_step", False, 0, (2, 4, 8, 0, 0), None, 0, None, STEALTH),
    ("o_evade", "ra_evade", False, 0, _P5, None, 0, None, EVADERS),
    ("o_parry", "ra_parry", False, 0, _P5, None, 0, None, PURE_FIGHTERS),
    ("o_shield", "ra_shield", False, 0, _P5, None, 0, None, SHIELDS),
    ("o_hands", "ra_hands", False, 0, (2, 4, 8, 12, 16), None, 0, None, HEALERS),
    ("o_wind", "ra_wind", True, 900, (3, 6, 9, 0, 0), "o_recovery", 2, None, ALL),
    ("o_valor", "ra_valor", True, 1800, (5, 10, 0, 0, 0), "o_will", 1, None, ALL),
    ("o_refuge", "ra_refuge", True, 600, (5, 8, 12, 0, 0), "o_hp", 2, None, ALL),
    ("o_charge", "ra_charge", True, 900, (5, 10, 14, 0, 0), None, 0, None, PURE_FIGHTERS),
    ("o_bulwark", "ra_bulwark", True, 1800, (5, 10, 0, 0, 0), "o_shield", 3, None, SHIELDS),
    ("o_surge", "ra_surge", True, 900, (5, 10, 14, 0, 0), "o_well", 2, None, CASTERS),
    ("o_deathblow", "ra_deathblow", True, 600, (8, 12, 0, 0, 0), "o_step", 2, None, STEALTH),
    ("o_circle", "ra_circle", True, 900, (5, 10, 14, 0, 0), "o_hands", 1, None, HEALERS),
    ("o_circle_songs", "ra_circle", True, 1200, (6, 12, 0, 0, 0), None, 0, None, SONGS),
    ("o_cleanse", ("Reinigung", "Cleansing"), True, 1800, (5, 0, 0, 0, 0), None, 0,
     ("Entfernt alle schwächenden Zauber von dir.", "Removes every weakening spell from you."), ALL),
    ("o_focus", ("Ungebrochene Konzentration", "Unbroken Focus"), True, 1800, (8, 0, 0, 0, 0), "o_haste", 1,
     ("Für 30 Sekunden unterbricht kein Treffer deine Zauber.", "For 30 seconds no hit interrupts your spells."),
     PURE_CASTERS),
    ("o_realm0", "ra_realm0", True, 1800, (10, 0, 0, 0, 0), None, 0, None, REALM(0)),
    ("o_realm1", "ra_realm1", True, 1800, (10, 0, 0, 0, 0), None, 0, None, REALM(1)),
    ("o_realm2", "ra_realm2", True, 1800, (10, 0, 0, 0, 0), None, 0, None, REALM(2)),
    ("o_warcry", ("Schlachtruf", "War Cry"), True, 60, (2, 5, 0, 0, 0), None, 0,
     ("Ein kurzer Ruf, der nahe Feinde für einen Atemzug zögern lässt.",
      "A short shout that makes nearby enemies falter for a breath."), FIGHTERS),
    ("o_windrun", ("Windlauf", "Wind Run"), True, 61, (3, 0, 0, 0, 0), None, 0,
     ("Für zehn Sekunden läufst du so schnell wie ein Reiter.", "For ten seconds you run as fast as a rider."),
     ALL),
    ("o_torrent", ("Arkane Flut", "Arcane Torrent"), True, 7200, (6, 10, 0, 0, 0), "o_haste", 2,
     ("Eine Minute lang kosten deine Zauber kein Mana.", "For one minute your spells cost no power."),
     PURE_CASTERS),
]

# Under the old rules this class learned only active abilities: it is left out
# of every passive one and of every active one whose prerequisite it cannot buy.
OLD_RULES_ACTIVE_ONLY = "monk"

# ---------------------------------------------------------------------------
# Master-level tracks: key, name (de, en), stem for level names (de compound
# head, en word), targets of the levels.
# ---------------------------------------------------------------------------

MASTER_TRACKS = [
    ("banner", ("Pfad des Banners", "Path of the Banner"), ("Banner", "Banner")),
    ("bulwark", ("Pfad der Mauer", "Path of the Wall"), ("Mauer", "Wall")),
    ("sunfire", ("Pfad des Sonnenfeuers", "Path of Sunfire"), ("Sonnenfeuer", "Sunfire")),
    ("hawkeye", ("Pfad des Falkenauges", "Path of the Hawk's Eye"), ("Falken", "Hawk")),
    ("shadowstep", ("Pfad der Schatten", "Path of Shadows"), ("Schatten", "Shadow")),
    ("arcanist", ("Pfad des Arkanen", "Path of the Arcane"), ("Arkan", "Arcane")),
    ("tempest", ("Pfad des Unwetters", "Path of the Tempest"), ("Unwetter", "Tempest")),
    ("mercy", ("Pfad der Gnade", "Path of Mercy"), ("Gnaden", "Mercy")),
    ("gravekeeper", ("Pfad der Gruft", "Path of the Crypt"), ("Gruft", "Crypt")),
    ("oakheart", ("Pfad der Eiche", "Path of the Oak"), ("Eichen", "Oak")),
    ("wildhunt", ("Pfad der Wilden Jagd", "Path of the Wild Hunt"), ("Jagd", "Hunt")),
    ("mistveil", ("Pfad des Nebels", "Path of the Mist"), ("Nebel", "Mist")),
    ("wellspring", ("Pfad der Quelle", "Path of the Spring"), ("Quell", "Spring")),
    ("starcircle", ("Pfad der Sterne", "Path of the Stars"), ("Sternen", "Star")),
    ("fjordstorm", ("Pfad der Brandung", "Path of the Surf"), ("Brandungs", "Surf")),
    ("ironskin", ("Pfad des Eisens", "Path of Iron"), ("Eisen", "Iron")),
    ("runeforge", ("Pfad der Runen", "Path of Runes"), ("Runen", "Rune")),
    ("skyfire", ("Pfad des Himmelsfeuers", "Path of Skyfire"), ("Himmels", "Sky")),
    ("wolfpack", ("Pfad des Rudels", "Path of the Pack"), ("Rudel", "Pack")),
]

# The ten levels of every track: name ending (de tail, en word), target,
# cast, duration, recast, radius/range, timer icon, effect text.
MASTER_LEVELS = [
    (("segen", "Blessing"), _GROUP, "3s", ("10 Min.", "10 min"), "-", "2000", 0,
     ("Die Gruppe erhält <b>{v}%</b> mehr Erfahrung im Kampf um die Grenzfesten.",
      "The group gains <b>{v}%</b> more experience in the frontier battles.")),
    (("wacht", "Vigil"), _SELF, ("sofort", "instant"), ("30 Sek.", "30 sec"), ("5 Min.", "5 min"), "-", 1,
     ("Für kurze Zeit sinkt jeder erlittene Schaden um {v}%.", "For a short time all damage taken drops by {v}%.")),
    (("ruf", "Call"), _GROUP, ("sofort", "instant"), ("60 Sek.", "60 sec"), ("10 Min.", "10 min"), "1500", 2,
     ("Ruft die Gruppe zusammen und heilt jedes Mitglied um {v} Trefferpunkte.",
      "Rallies the group and heals every member for {v} hit points.")),
    (("schlag", "Blow"), _ENEMY, "2s", "-", ("60 Sek.", "60 sec"), "1500", 3,
     ("Ein gewaltiger Schlag für <b>{v}</b> Schaden.<br><i>Trifft auch durch einen Schild.</i>",
      "A mighty blow for <b>{v}</b> damage.<br><i>Strikes through a shield as well.</i>")),
    (("schild", "Aegis"), _GROUP, "3s", ("2 Min.", "2 min"), ("10 Min.", "10 min"), "1000", 4,
     ("Ein Schild fängt {v} Schaden von jedem Gruppenmitglied ab.",
      "A shield absorbs {v} damage for every group member.")),
    (("zorn", "Fury"), _AREA, ("sofort", "instant"), "-", ("15 Min.", "15 min"), "350", 5,
     ("Entfesselt {v} Schaden an allen Feinden im Umkreis.", "Unleashes {v} damage on every enemy around.")),
    (("bann", "Bane"), _ENEMY, "2,5s", ("20 Sek.", "20 sec"), ("2 Min.", "2 min"), "1500", 0,
     ("Senkt alle Resistenzen des Ziels um <b>{v}%</b>.<br>Die Senkung endet, wenn das Ziel stirbt.",
      "Lowers every resistance of the target by <b>{v}%</b>.<br>The drop ends when the target dies.")),
    (("sturm", "Storm"), _AREA, "3s", ("30 Sek.", "30 sec"), ("30 Min.", "30 min"), "500", 6,
     ("Ein Sturm verlangsamt alle Feinde im Umkreis um {v}%.", "A storm slows every enemy around by {v}%.")),
    (("eid", "Oath"), _SELF, ("sofort", "instant"), ("5 Min.", "5 min"), ("30 Min.", "30 min"), "-", 7,
     ("Dein Eid gibt dir {v}% mehr Trefferpunkte.", "Your oath grants you {v}% more hit points.")),
    (("krone", "Crown"), _GROUP, "4s", ("10 Min.", "10 min"), ("60 Min.", "60 min"), "2000", 0,
     ("<i>Die Krone des Pfades:</i><br><b>+{v}</b> auf alle Werte der Gruppe.",
      "<i>The crown of the path:</i><br><b>+{v}</b> to every stat of the group.")),
]

STAT_NAMES = {"str": "Strength", "con": "Constitution", "dex": "Dexterity", "qui": "Quickness",
              "int": "Intelligence", "pie": "Piety", "emp": "Empathy", "cha": "Charisma"}
