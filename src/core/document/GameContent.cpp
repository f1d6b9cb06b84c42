// Written by tools/generate_data.py; edit the generator, not this file.
#include "document/GameContent.h"

namespace game_content {

const std::array<std::string_view, 36> kRealmRankTitlesGerman = {{
    "Knappe", "Gr\xFC" "nling", "Jungmann",  // rank 1
    "Waffenknecht", "Hainw\xE4" "chter", "Ruderer",  // rank 2
    "Bannertr\xE4" "ger", "Pfadkundiger", "Schildgenosse",  // rank 3
    "Ritter", "Nebelg\xE4" "nger", "Speermann",  // rank 4
    "Bannerherr", "Quellh\xFC" "ter", "Fahnentr\xE4" "ger",  // rank 5
    "Burgvogt", "Steinsprecher", "Jarlsmann",  // rank 6
    "Freiherr", "H\xFC" "gelf\xFC" "rst", "Thingsprecher",  // rank 7
    "Landgraf", "Eichenherr", "Sturmjarl",  // rank 8
    "Markgraf", "Sternkundiger", "Eisf\xFC" "rst",  // rank 9
    "Herzog", "Feenf\xFC" "rst", "Runenk\xF6" "nig",  // rank 10
    "Kurf\xFC" "rst", "Mondk\xF6" "nig", "Sagenk\xF6" "nig",  // rank 11
    "Sonnenf\xFC" "rst", "Ewiger H\xFC" "ter", "Weltenw\xE4" "chter",  // rank 12
}};

const std::array<std::string_view, 36> kRealmRankTitlesEnglish = {{
    "Squire", "Sapling", "Youngblood",  // rank 1
    "Man-at-Arms", "Grovewatcher", "Oarsman",  // rank 2
    "Bannerman", "Pathwise", "Shield Companion",  // rank 3
    "Knight", "Mistfarer", "Spearman",  // rank 4
    "Knight Banneret", "Springwarden", "Standard-Bearer",  // rank 5
    "Castellan", "Stonespeaker", "Jarl's Man",  // rank 6
    "Baron", "Hill Lord", "Thingspeaker",  // rank 7
    "Landgrave", "Oaklord", "Storm Jarl",  // rank 8
    "Margrave", "Starsage", "Ice Lord",  // rank 9
    "Duke", "Fae Lord", "Rune King",  // rank 10
    "Elector", "Moon King", "Saga King",  // rank 11
    "Sun Prince", "Eternal Warden", "World Warden",  // rank 12
}};

const std::array<GermanEnglishName, 5> kStatRaisingAbilities = {{
    {"St\xE4" "rkung", "Fortified Might"},
    {"Z\xE4" "higkeit", "Hardiness"},
    {"Fingerfertigkeit", "Deftness"},
    {"Flinkheit", "Swiftness"},
    {"Geistessch\xE4" "rfe", "Keen Mind"},
}};

const GermanEnglishName kSpellLineSwap34And39Class = {"D\xE4" "mmerklinge", "Duskblade"};
const GermanEnglishName kSpellLineSwap34And35Class = {"Nebelschleicher", "Mistwalker"};

const std::array<RaceCorrection, 2> kOldFileRaceCorrections = {{
    {{"Bannerritter", "Banner Knight"},
     {"Corvane", "Corvane"},
     {"Avari", "Avari"}},
    {{"Hochlandkrieger", "Highlander"},
     {"Feenling", "Faeling"},
     {"Sylvaner", "Sylvan"}},
}};

}  // namespace game_content
