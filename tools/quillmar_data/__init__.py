"""The Velkara game data (data/de, data/en) and src/core/document/GameContent.cpp.

This package is the one source of the game world: every name, number and text
of the shipped data lives in its tables, and its writers turn them into the
files the program loads. Both language folders come out of the same records, so
ids, positions and numbers agree by construction; only texts differ.

    tables       the records of the world (realms, races, classes, lines, ...)
    texts        German/English prose and the descriptions built from records
    world        World: the records of every data file, copied for a scale
    checks       check_world, check_page_coverage, check_planner_coverage: rules a table
                 change must keep
    datafiles    write_language: the .dat/.csv files of one language folder
    gamecontent  write_game_content: GameContent.cpp
"""

import os

from .checks import check_page_coverage, check_planner_coverage, check_world
from .datafiles import LANGS, write_language
from .gamecontent import write_game_content
from .world import World


def generate(out, content=None, scale=1):
    """Writes out/de and out/en and, when given a path, the C++ content file."""
    world = World(scale)
    check_world(world)
    check_page_coverage(world)
    check_planner_coverage(world)
    for lang, code in enumerate(LANGS):
        write_language(world, lang, os.path.join(out, code))
    if content:
        # The C++ content belongs to the shipped world, whatever the scale.
        write_game_content(content, world if scale == 1 else World(1))
