#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CAbilityTable.h"
#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;
using Levels = std::vector<std::int32_t>;

struct AbilityData {
    MiniWorld world;
    CAbilityTable table;
    DbResult result{};

    AbilityData(const std::string& rest, const std::string& lines, const std::string& desc = "")
    {
        world.folder.Write("abilities_rest.dat", rest);
        world.folder.Write("abilities.dat", lines);
        world.folder.Write("abilities_desc.dat", desc);
        result = table.LoadAbilities(world.Path(), world.classes, world.spellLines, world.styleLines);
    }
    ClassAbilityList Cleric() const { return table.ClassAbilities(mini::kCleric); }
};

TEST(AbilityTable, ListsAbilitiesLinesAndSpecialisationsByLevelThenBytes)
{
    // 0xC4 sorts above every ASCII letter, lower case after upper case; the
    // marker words are case-sensitive.
    AbilityData data("Cleric,6,Staff,1,\xC4xte,1,Armor: Cloth,0,Schilde: klein,3,armor: leather,10,"
                     "R\xFC"
                     "stung: Leder,12\n",
                     "Cleric,1,Shield,4,2,7,1,9,12\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList list = data.Cleric();
    EXPECT_EQ(list.names, (Names{"Armor: Cloth", "Restoration", "Staff", "\xC4xte", "Schilde: klein",
                                 "Shield", "Restoration Mastery", "armor: leather",
                                 "R\xFC"
                                 "stung: Leder",
                                 "Warding"}));
    EXPECT_EQ(list.levels, (Levels{0, 1, 1, 1, 3, 4, 5, 10, 12, 12}));
    EXPECT_EQ(list.kinds,
              (std::vector<int>{kAbilityArmour, kAbilityTrainableLine, kAbilityPlain, kAbilityPlain,
                                kAbilityShield, kAbilityTrainableLine, kAbilitySpecialisation, kAbilityPlain,
                                kAbilityArmour, kAbilityTrainableLine}));
}

TEST(AbilityTable, EqualLevelAndNameKeepTheExchangeSortOrder)
{
    // A stable sort would put the plain row first.
    AbilityData data("Cleric,1,Restoration Mastery,5\n", "");
    const ClassAbilityList list = data.Cleric();
    EXPECT_EQ(list.names,
              (Names{"Restoration", "Shield", "Warding", "Restoration Mastery", "Restoration Mastery"}));
    EXPECT_EQ(list.kinds.back(), kAbilityPlain);
}

TEST(AbilityTable, OnlyClassesWithAnEntryHaveAList)
{
    // Wizard is no class: its entry keeps class -1 and must not answer for "no class".
    // The Blademaster's line levels have no entry to go to and are read past whole.
    AbilityData data("Wizard,1,Fireball,1\nCleric,1,Staff,1\nCLERIC,1,Mace,2\n",
                     "Wizard,1,Sword,1,0\nBlademaster,2,Sword,3,Dagger,7,1,99,5\ncleric,1,Shield,9,0\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    for (const int classIndex : {static_cast<int>(mini::kBlademaster), -1, 4})
        EXPECT_TRUE(data.table.ClassAbilities(classIndex).names.empty()) << classIndex;
    EXPECT_EQ(data.Cleric().names,
              (Names{"Restoration", "Warding", "Staff", "Restoration Mastery", "Shield"}));
    EXPECT_EQ(data.Cleric().levels, (Levels{0, 0, 1, 5, 9}));
}

TEST(AbilityTable, LineLevelFailureEndsTheLoad)
{
    // Each entry is not one of the class's lines: another class's style line or
    // spell line, an unknown id, a count beyond the line (a huge one as well).
    for (const char* abilitiesDat :
         {"Cleric,2,Shield,3,Sword,4,0\n", "Cleric,1,Shield,3,2,7,8,8,9\n", "Cleric,0,1,42,1\n",
          "Cleric,2,Shield,3\n", "Cleric,1,Shield,3,2147483647,9,6\n"}) {
        AbilityData data("Cleric,0\n", abilitiesDat, "Staff,never read\n");
        EXPECT_EQ(data.result, DbResult::UnknownStyle) << abilitiesDat;
        EXPECT_EQ(data.table.Description("Staff"), "") << abilitiesDat;
    }
    // What was read before the failure stays: Shield at 3, Warding at 6.
    AbilityData data("Cleric,0\n", "Cleric,1,Shield,3,2147483647,9,6\n");
    EXPECT_EQ(data.Cleric().levels, (Levels{0, 3, 5, 6}));
}

}  // namespace
