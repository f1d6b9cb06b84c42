"""GameContent.cpp: the rank titles and the names of the world that the C++
code compares with data text."""

from .datafiles import write_bytes
from .tables import (CLASS_BY_KEY, RACE_CORRECTIONS, RACE_NAMES, RANK_TITLES, SPELL_LINE_SWAP_34_35,
                     SPELL_LINE_SWAP_34_39, STAT_RAISING_RAS)


def cpp_string(text):
    """A C++ string literal of the text's Windows-1252 bytes; an escape is
    closed off with a new literal so that the next letter is not read as hex."""
    out = ['"']
    data = text.encode("cp1252")
    for i, byte in enumerate(data):
        if byte == 0x22 or byte == 0x5C:
            out.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F:
            out.append(chr(byte))
        else:
            out.append("\\x%02X" % byte)
            if i + 1 < len(data):
                out.append('" "')
    out.append('"')
    return "".join(out)


def cpp_pair(pair):
    return "{%s, %s}" % (cpp_string(pair[0]), cpp_string(pair[1]))


def write_game_content(path, world):
    lines = [
        "// Written by tools/generate_data.py; edit the generator, not this file.",
        '#include "document/GameContent.h"',
        "",
        "namespace game_content {",
        "",
    ]
    for lang, label in ((0, "German"), (1, "English")):
        lines.append("const std::array<std::string_view, 36> kRealmRankTitles%s = {{" % label)
        for rank in range(12):
            row = ", ".join(cpp_string(RANK_TITLES[realm][rank][lang]) for realm in range(3))
            lines.append("    %s,  // rank %d" % (row, rank + 1))
        lines.append("}};")
        lines.append("")
    lines.append("const std::array<GermanEnglishName, 5> kStatRaisingAbilities = {{")
    for key in STAT_RAISING_RAS:
        lines.append("    %s," % cpp_pair(world.ra_nf_name(key)))
    lines.append("}};")
    lines.append("")
    lines.append("const GermanEnglishName kSpellLineSwap34And39Class = %s;"
                 % cpp_pair(CLASS_BY_KEY[SPELL_LINE_SWAP_34_39][1]))
    lines.append("const GermanEnglishName kSpellLineSwap34And35Class = %s;"
                 % cpp_pair(CLASS_BY_KEY[SPELL_LINE_SWAP_34_35][1]))
    lines.append("")
    lines.append("const std::array<RaceCorrection, 2> kOldFileRaceCorrections = {{")
    for cls, old, new in RACE_CORRECTIONS:
        lines.append("    {%s," % cpp_pair(CLASS_BY_KEY[cls][1]))
        lines.append("     %s," % cpp_pair(RACE_NAMES[old]))
        lines.append("     %s}," % cpp_pair(RACE_NAMES[new]))
    lines.append("}};")
    lines.append("")
    lines.append("}  // namespace game_content")
    write_bytes(path, ("\n".join(lines) + "\n").encode("ascii"))
