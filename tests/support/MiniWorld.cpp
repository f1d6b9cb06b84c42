#include "support/MiniWorld.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* kRacesCsv =
    "/ name;realm;str;con;dex;qui;int;pie;emp;cha;nine more\n"
    "Human;caldor;60;60;60;60;60;60;60;60;0;0;0;0;0;0;0;0;0\n"
    "Highborn;caldor;55;55;65;60;70;60;60;65;0;0;0;0;0;0;0;0;0\n"
    "Sylvan;glenmora;50;50;70;70;60;60;70;60;0;0;0;0;0;0;0;0;0\n"
    "Fennic;glenmora;55;60;65;65;55;60;65;55;0;0;0;0;0;0;0;0;0\n"
    "Dwarf;nordhal;70;70;50;45;55;60;55;50;0;0;0;0;0;0;0;0;0\n"
    "Jotun;nordhal;80;75;40;40;45;50;50;45;0;0;0;0;0;0;0;0;0\n";

constexpr const char* kStylesCsv =
    "101;Cleave;2;any;none;no;0;+5;none;Low;Medium;none;none\n"
    "102;Riposte;4;any;parry;no;0;+10;none;Low;High;none;-5\n"
    "201;Bash;1;front;none;no;0;+0;+5;Medium;Low;Stun;none\n"
    "301;Shadow Cut;3;behind;none;yes;0;+15;none;High;High;Bleed;none\n";

constexpr const char* kStyleLinesDat =
    "1,Sword,2,101,102\n"
    "2,Shield,1,201\n"
    "3,Dagger,1,301\n"
    "4,Staff,0\n";

constexpr const char* kSpellsCsv =
    "1;Minor Mend;1;Friend;3s;1500;5 power;heals 20;\n"
    "2;Mend;10;Friend;3s;1500;12 power;heals 60;\n"
    "3;Spark;1;Enemy;2s;1500;4 power;15 damage;Heat\n"
    "4;Flare;5;Enemy;2.5s;1500;9 power;40 damage;Heat\n";

constexpr const char* kCategoryTextsDat =
    "Mending,Mending,\"Heals a friend.\"\n"
    "Sparks,Sparks,\"Burns an enemy, quickly.\"\n";

constexpr const char* kCategoriesDat =
    "11,0,Mending,2,1,2\n"
    "12,1,Sparks,2,3,4\n";

constexpr const char* kSpellLinesDat =
    "7,REST,Restoration,1,11,Restoration Mastery,0\n"
    "8,FIRE,Flames,1,12,0\n"
    "9,WARD,Warding,0,0\n";

constexpr const char* kClassesDat =
    "; name,cast,primary,secondary,tertiary,multiplier,hp,hp factor,races,style lines,spell lines,female\n"
    "Cleric,pie,pie,con,str,1.0,720,4.5,2,Human,Highborn,1,2,2,7*,9,false\n"
    "Blademaster,0,str,dex,qui,2.0,880,5.0,1,Sylvan,3,1*,2,3,0,false\n"
    "Pyromancer,int,int,dex,qui,1.0,520,3.0,2,Dwarf,Jotun,1,4,2,8,7,false\n"
    "Valkyrie,pie,str,pie,con,1.5,800,4.5,1,Jotun,1,2,1,9,true\n";

}  // namespace

MiniWorld::MiniWorld()
{
    folder.Write("races.csv", kRacesCsv);
    folder.Write("styles.csv", kStylesCsv);
    folder.Write("stylelines.dat", kStyleLinesDat);
    folder.Write("spells.csv", kSpellsCsv);
    folder.Write("spellscat_descriptions.dat", kCategoryTextsDat);
    folder.Write("spellscat.dat", kCategoriesDat);
    folder.Write("spelllines.dat", kSpellLinesDat);
    folder.Write("classes.dat", kClassesDat);

    const std::string path = Path();
    m_results = {
        {"races.csv", races.LoadRaces(path)},
        {"styles.csv", styles.LoadStyles(path)},
        {"stylelines.dat", styleLines.LoadStyleLines(path, styles)},
        {"spells.csv", spells.LoadSpells(path)},
        {"spellscat_descriptions.dat", categoryTexts.LoadCategoryTexts(path)},
        {"spellscat.dat", categories.LoadCategories(path, spells, categoryTexts)},
        {"spelllines.dat", spellLines.LoadSpellLines(path, categories)},
        {"classes.dat", classes.LoadClasses(path, races, styleLines, spellLines)},
    };
}

bool MiniWorld::AllLoaded() const
{
    return Failures().empty();
}

std::vector<std::pair<std::string, DbResult>> MiniWorld::Failures() const
{
    std::vector<std::pair<std::string, DbResult>> failures;
    std::copy_if(m_results.begin(), m_results.end(), std::back_inserter(failures),
                 [](const auto& result) { return result.second != DbResult::Loaded; });
    return failures;
}
