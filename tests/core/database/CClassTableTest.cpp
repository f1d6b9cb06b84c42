#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/MiniWorld.h"

namespace {

using Lines = std::vector<int>;
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

// Loads classes.dat with the record "Cleric,pie,con,str,dex,<multiplier>,720,4.5,<tail>" first.
DbResult LoadClasses(MiniWorld& world, const std::string& tail, const std::string& multiplier = "1",
                     const std::string& more = "")
{
    world.folder.Write("classes.dat",
                       "Cleric,pie,con,str,dex," + multiplier + ",720,4.5," + tail + "\n" + more);
    return world.classes.LoadClasses(world.Path(), world.races, world.styleLines, world.spellLines);
}

TEST(ClassTable, ReadsStatsLinesAndAutoTrainStars)
{
    // A star before or after the id marks an auto-train line.
    MiniWorld world;
    ASSERT_EQ(
        LoadClasses(world, "2,dwarf,Human,3,1*,*2,4,3,*7,8,9*,True", "1", "Mage,0,int,dex,qui,1,1,1,0,0,0,t"),
        DbResult::Loaded);
    const CClassTable& classes = world.classes;
    const ClassStatIds stats = classes.Stats(0);
    EXPECT_EQ((Lines{stats.primary, stats.secondary, stats.tertiary, stats.casting}), (Lines{1, 0, 2, 5}));
    EXPECT_EQ(classes.Stats(1).casting, kNoStat);
    EXPECT_EQ(classes.RaceNames(0), (std::vector<std::string>{"Dwarf", "Human"}));
    EXPECT_EQ(classes.RealmOf(0), 2);  // the realm of the first race
    EXPECT_EQ(classes.RealmOf(1), kNoRealm);
    EXPECT_EQ(classes.Info(0).autoTrainStyleLines, (Lines{mini::kSword, mini::kShield}));
    EXPECT_EQ(classes.Info(0).autoTrainSpellLines, (Lines{mini::kRestoration, mini::kWarding}));
    EXPECT_EQ(classes.FindStyleLine(0, "STAFF"), mini::kStaff);  // the last line of the class
    EXPECT_EQ(classes.FindStyleLine(0, "Dagger"), -1);           // not one of the class's lines
    EXPECT_EQ(classes.FindSpellLine(0, "WARD"), -1);             // the tag is no name
    EXPECT_TRUE(classes.IsFemaleOnly(1));
}

TEST(ClassTable, UnresolvedListEntryEndsTheLoadKeepingEarlierClasses)
{
    // Past the line the entries read as line id 0, which no line has.
    const std::pair<const char*, DbResult> cases[] = {
        // clang-format off
        {"2,Human,Gnome,0,0,f", DbResult::UnknownRace}, {"3,Human,Dwarf", DbResult::UnknownRace},
        {"2000000000,Human", DbResult::UnknownRace}, {"1,Human,2,1,5*,0,f", DbResult::UnknownStyleLine},
        {"1,Human,0,2,7,*70,f", DbResult::UnknownSpellLine}, {"1,Human,0,2000000000,8", DbResult::UnknownSpellLine},
        // clang-format on
    };
    for (const auto& [tail, result] : cases) {
        MiniWorld world;
        EXPECT_EQ(LoadClasses(world, "1,Human,0,0,f", "1",
                              "Bad,0,str,con,dex,1,1,1," + std::string(tail) + "\nMage"),
                  result)
            << tail;
        EXPECT_EQ(world.classes.Count(), 1) << tail;
    }
}

TEST(ClassTable, SpecPointsUpToLevel)
{
    const std::tuple<const char*, double, std::int32_t> cases[] = {
        // clang-format off
        {"1", 1.0, 0}, {"1", 2.0, 2}, {"1", 5.0, 14}, {"1", 5.5, 14}, {"1", 6.0, 20}, {"1", 40.0, 819},
        // Half levels from 40.5 on add half a level's points.
        {"1", 40.5, 839}, {"1", 49.5, 1444}, {"1", 50.0, 1494}, {"1", 1e300, 1494}, {"1", std::nan(""), 0},
        {"2.2", 45.5, 2521}, {"0.7", 10.0, 39},  // 10 x 0.7f is just below 7: truncated
        {"1e39", 6.0, kMaxInt}, {"-1e39", 6.0, std::numeric_limits<std::int32_t>::min() + 14}, {"nan", 50.0, 14},
        // clang-format on
    };
    for (const auto& [multiplier, level, points] : cases) {
        MiniWorld world;
        ASSERT_EQ(LoadClasses(world, "1,Human,0,0,f", multiplier), DbResult::Loaded);
        EXPECT_EQ(world.classes.SpecPointsUpTo(0, level), points) << multiplier << " at " << level;
    }
}

TEST(ClassTable, StatsGrowFromLevelSix)
{
    // Primary Constitution, secondary Strength, tertiary Dexterity.
    MiniWorld world;
    ASSERT_EQ(LoadClasses(world, "1,Human,0,0,f", "1", "Drifter,0,none,none,none,1,0,0,0,0,0,f"),
              DbResult::Loaded);
    const StatValues base{10, 20, 30, 40, 50, 60, 70, 80};
    for (const auto& [level, stats] : {std::pair{5.5, base},
                                       {std::nan(""), base},
                                       {6.0, {11, 21, 31, 40, 50, 60, 70, 80}},
                                       {10.9, {13, 25, 32, 40, 50, 60, 70, 80}},
                                       {50.0, {33, 65, 45, 40, 50, 60, 70, 80}}})
        EXPECT_EQ(world.classes.StatsAtLevel(0, base, level), stats) << level;
    EXPECT_EQ(world.classes.StatsAtLevel(1, base, 50.0), base);  // no growth stats
    const StatValues high{kMaxInt, kMaxInt, kMaxInt, 0, 0, 0, 0, 0};
    EXPECT_EQ(world.classes.StatsAtLevel(0, high, 1e300), high);
}

}  // namespace
