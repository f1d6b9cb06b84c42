#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "database/CRealmAbilityNfTable.h"
#include "database/CRealmAbilityTable.h"
#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;

// A ras.csv line: name;kind;reuse;five costs;prerequisite;its level;description;39 class slots.
std::string Ras(const std::string& name, const std::string& kind, const std::string& prerequisite = "",
                const std::string& classes = "Cleric")
{
    return name + ";" + kind + ";60;1;3;6;10;14;" + prerequisite + ";2;About;" + classes + "\n";
}

TEST(RealmAbilityTable, PrerequisitesResolveAfterTheWholeFileToTheFirstOfAName)
{
    MiniWorld world;
    CRealmAbilityTable table;
    world.folder.Write("ras.csv",
                       Ras("Pain", "passive", "wild power") + Ras("Wild Power", "Active", "", "Pyromancer") +
                           Ras("Wild Power", "passive", "", ";;;;Cleric") + Ras("Zeal", "passive", "Pain"));
    ASSERT_EQ(table.LoadRealmAbilities(world.Path(), world.classes), DbResult::Loaded);
    EXPECT_EQ(table.Prerequisite(0).name, "Wild Power");
    EXPECT_EQ(table.Prerequisite(3).level, 2);
    EXPECT_EQ(table.Prerequisite(1).level, -1);
    EXPECT_EQ(table.FindForClass("wild power", mini::kCleric), 2);
    EXPECT_EQ(table.FindForClass("Wild Power", mini::kValkyrie), -1);
    // By bytes; of two equal names the exchange sort puts the later record first here.
    const RealmAbilityListing cleric = table.ListForClass(mini::kCleric);
    EXPECT_EQ(cleric.names, (Names{"Pain", "Wild Power", "Zeal"}));
    EXPECT_EQ(table.ListForClass(mini::kPyromancer).kinds, (std::vector<int>{kRealmAbilityActive}));

    world.folder.Write("ras.csv",
                       Ras("Purge", "active") + Ras("Haste", "active", "Nothing") + Ras("Rage", "x"));
    EXPECT_EQ(table.LoadRealmAbilities(world.Path(), world.classes), DbResult::UnexpectedValue);
    EXPECT_EQ(table.Count(), 2);
    world.folder.Write("ras.csv", Ras("Haste", "active", "Nothing") + Ras("Rage", "active", "Haste"));
    EXPECT_EQ(table.LoadRealmAbilities(world.Path(), world.classes), DbResult::UnknownRealmAbility);
    EXPECT_EQ(table.Info(1).prerequisite, -1);  // the first unknown one ends the resolution
    world.folder.Write("ras.csv", Ras("Purge", "active", "", "Cleric;Wizard"));
    EXPECT_EQ(table.LoadRealmAbilities(world.Path(), world.classes), DbResult::UnknownClass);
}

// A rasnf.csv line: group;name;abbreviation;kind;description;five fields;classes.
std::string Nf(int group, const std::string& name, const std::string& fields,
               const std::string& classes = "Cleric")
{
    return std::to_string(group) + ";" + name + ";" + name.substr(0, 2) + ";active;About;" + fields + ";" +
           classes + "\n";
}

TEST(RealmAbilityNfTable, GroupDecidesWhereReuseAndCaptionsStand)
{
    MiniWorld world;
    CRealmAbilityNfTable table;
    world.folder.Write("rasnf.csv", Nf(0, "Strength", "4;8;12 str;+17%;x20") +
                                        Nf(1, "Purge", "30 min;1;2;3;4") +
                                        Nf(0, "strength", "99;99;99;99;99") +
                                        Nf(2, "Zeal", "r;1;2;3;4", " ,Blademaster,,  ,Cleric ,"));
    ASSERT_EQ(table.LoadRealmAbilitiesNf(world.Path(), world.classes), DbResult::Loaded);
    EXPECT_EQ(table.Info(1).reuse, "30 min");
    EXPECT_EQ(table.Captions(1), (std::array<std::string, 5>{"1", "2", "3", "4", ""}));
    EXPECT_EQ(table.Info(0).reuse, "");
    EXPECT_EQ(table.Classes(3), (std::vector<int>{mini::kBlademaster, mini::kCleric}));
    EXPECT_EQ(table.ListForClass(mini::kCleric), (Names{"Purge", "Strength", "Zeal", "strength"}));
    const std::pair<int, std::int32_t> strength[] = {
        // clang-format off
        {0, 0}, {1, 4}, {3, 12}, {4, 17}, {5, 0}, {6, 0}, {-1, 0},
        // clang-format on
    };
    for (const auto& [level, value] : strength)
        EXPECT_EQ(table.ValueAtLevel("STRENGTH", level), value) << level;
    EXPECT_EQ(table.ValueAtLevel("Purge", 4), 4);
    EXPECT_EQ(table.ValueAtLevel("Purge", 5), 0);  // the reuse is no caption

    world.folder.Write("rasnf.csv",
                       Nf(0, "Purge", "1;2;3;4;5") + Nf(0, "Zeal", "1;2;3;4;5", "Cleric Pyromancer"));
    EXPECT_EQ(table.LoadRealmAbilitiesNf(world.Path(), world.classes), DbResult::UnknownClass);
    EXPECT_EQ(table.ListAll(), (Names{"Purge"}));
}

}  // namespace
