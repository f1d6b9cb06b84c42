#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CRaceTable.h"
#include "support/TempDataFolder.h"

namespace {

void Load(const std::string& bytes, CRaceTable& table, DbResult& result)
{
    TempDataFolder folder;
    folder.Write("races.csv", bytes);
    result = table.LoadRaces(folder.PathText());
}

struct RealmCase {
    const char* realmText;
    DbResult result;
    RealmIndex realm;
};

class RaceRealmColumn : public ::testing::TestWithParam<RealmCase> {};

TEST_P(RaceRealmColumn, AcceptsOnlyTheFullRealmName)
{
    const RealmCase& c = GetParam();
    CRaceTable table;
    DbResult result{};
    Load(std::string("Elf;") + c.realmText + ";1;2;3;4;5;6;7;8\n", table, result);
    EXPECT_EQ(result, c.result);
    if (c.result == DbResult::Loaded) {
        ASSERT_EQ(table.Count(), 1);
        EXPECT_EQ(table.RealmOf(0), c.realm);
    } else {
        EXPECT_EQ(table.Count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Races, RaceRealmColumn,
                         ::testing::Values(RealmCase{"caldor", DbResult::Loaded, 0},
                                           RealmCase{"Glenmora", DbResult::Loaded, 1},
                                           RealmCase{"Nordhal", DbResult::Loaded, 2},
                                           RealmCase{"NORDHAL", DbResult::Loaded, 2},
                                           RealmCase{"nor", DbResult::UnknownRealm, kNoRealm},
                                           RealmCase{"nordhalx", DbResult::UnknownRealm, kNoRealm},
                                           RealmCase{"", DbResult::UnknownRealm, kNoRealm}));

TEST(RaceTable, ReadsStatsAndTrailingValuesInOrder)
{
    CRaceTable table;
    DbResult result{};
    Load("/ name;realm;stats;extra\n"
         "Troll;nordhal;100;70;35;35;15;60;60;60;1;2;3;4;5;6;7;8;9\n"
         "Shade;caldor\n",
         table, result);
    ASSERT_EQ(result, DbResult::Loaded);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Stats(0), (StatValues{100, 70, 35, 35, 15, 60, 60, 60}));
    EXPECT_EQ(table.Info(0).trailing, (std::array<std::int32_t, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // A record with only name and realm has all-zero stats.
    EXPECT_EQ(table.Stats(1), StatValues{});
    EXPECT_EQ(table.Name(1), "Shade");
}

TEST(RaceTable, UnknownRealmKeepsEarlierRacesAndStopsReading)
{
    CRaceTable table;
    DbResult result{};
    Load("Human;caldor;1\nGhost;limbo;2\nDwarf;nordhal;3\n", table, result);
    EXPECT_EQ(result, DbResult::UnknownRealm);
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Name(0), "Human");
    EXPECT_EQ(table.FindByName("Dwarf"), -1);
}

TEST(RaceTable, SameNameInTwoRealmsIsFoundFirstAndListedOnce)
{
    CRaceTable table;
    DbResult result{};
    Load("Human;caldor\nElf;glenmora\nHUMAN;nordhal\nKobold;nordhal\n", table, result);
    ASSERT_EQ(result, DbResult::Loaded);
    EXPECT_EQ(table.FindByName("human"), 0);
    EXPECT_EQ(table.FindByName("Gnome"), -1);
    EXPECT_EQ(table.NamesOfRealm(kNoRealm), (std::vector<std::string>{"Human", "Elf", "Kobold"}));
    EXPECT_EQ(table.NamesOfRealm(2), (std::vector<std::string>{"HUMAN", "Kobold"}));
    EXPECT_TRUE(table.NamesOfRealm(7).empty());
}

TEST(RaceTable, FileWithoutRecordsLoadsEmpty)
{
    CRaceTable table;
    DbResult result{};
    Load("/ only a comment\n\n", table, result);
    EXPECT_EQ(result, DbResult::Loaded);
    EXPECT_EQ(table.Count(), 0);
}

TEST(RaceTable, ReloadReplacesAndMissingFileEmpties)
{
    TempDataFolder folder;
    CRaceTable table;
    folder.Write("races.csv", "Human;caldor\nElf;glenmora\n");
    ASSERT_EQ(table.LoadRaces(folder.PathText()), DbResult::Loaded);
    folder.Write("races.csv", "Dwarf;nordhal\n");
    ASSERT_EQ(table.LoadRaces(folder.PathText()), DbResult::Loaded);
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Name(0), "Dwarf");
    folder.Remove("races.csv");
    EXPECT_EQ(table.LoadRaces(folder.PathText()), DbResult::FileMissing);
    EXPECT_EQ(table.Count(), 0);
}

}  // namespace
