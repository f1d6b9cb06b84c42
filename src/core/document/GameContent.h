// Game content that the character code needs beside the data files: realm rank
// titles, the names of the stat-raising realm abilities and the class and race
// names that old character files are converted with. GameContent.cpp is written
// by tools/generate_data.py together with data/de and data/en; all texts are
// Windows-1252 bytes like the data files.
#pragma once

#include <array>
#include <string_view>

namespace game_content {

struct GermanEnglishName {
    std::string_view german;
    std::string_view english;
};

// Titles of the twelve realm ranks of each realm, indexed realm + 3 * (rank - 1).
extern const std::array<std::string_view, 36> kRealmRankTitlesGerman;
extern const std::array<std::string_view, 36> kRealmRankTitlesEnglish;

// The new-rules realm abilities that raise a stat, in the order Strength,
// Constitution, Dexterity, Quickness and the class's acuity stat.
extern const std::array<GermanEnglishName, 5> kStatRaisingAbilities;

// Old character files (before the current class and spell-line numbering): the
// spell-line positions 34 and 39 are exchanged for the first class, 34 and 35
// for the second.
extern const GermanEnglishName kSpellLineSwap34And39Class;
extern const GermanEnglishName kSpellLineSwap34And35Class;

// Files from before the style-line renumbering: for each class, a race it could
// no longer be combined with is replaced by its successor race.
struct RaceCorrection {
    GermanEnglishName className;
    GermanEnglishName oldRace;
    GermanEnglishName newRace;
};
extern const std::array<RaceCorrection, 2> kOldFileRaceCorrections;

}  // namespace game_content
