#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "database/CClassTable.h"
#include "database/CRaceTable.h"
#include "database/CSpellCategoryTable.h"
#include "database/CSpellLineTable.h"
#include "database/CStyleLineTable.h"
#include "database/CStyleTable.h"
#include "support/TempDataFolder.h"

namespace {

using Names = std::vector<std::string>;
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

// Races 0..3, style lines 0..3 (ids 1, 2, 3, 0), spell lines 0..2 (ids 7, 8, 9).
struct ClassData {
    TempDataFolder folder;
    CRaceTable races;
    CStyleTable styles;
    CStyleLineTable styleLines;
    CSpellCategoryTable categories;
    CSpellLineTable spellLines;
    CClassTable classes;
    DbResult result{};

    explicit ClassData(const std::string& classesDat, bool withClassesFile = true)
    {
        folder.Write("races.csv", "Human;caldor\nElf;glenmora\nDwarf;nordhal\nTroll;nordhal\n");
        folder.Write("styles.csv", "10;Slash;1;any;none;no;0\n");
        folder.Write("stylelines.dat", "1,Sword,1,10\n2,Axe,0\n3,Shield,0\n0,Brawl,0\n");
        folder.Write("spelllines.dat", "7,HEAL,Healing,0,0\n8,SMITE,Smiting,0,0\n9,WARD,Warding,0,0\n");
        if (withClassesFile)
            folder.Write("classes.dat", classesDat);
        const std::string path = folder.PathText();
        races.LoadRaces(path);
        styles.LoadStyles(path);
        styleLines.LoadStyleLines(path, styles);
        spellLines.LoadSpellLines(path, categories);
        result = classes.LoadClasses(path, races, styleLines, spellLines);
    }
};

// A classes.dat record with the given casting stat, multiplier and female-only field.
std::string ClassRecord(const std::string& name, const std::string& casting = "pie",
                        const std::string& multiplier = "1.0", const std::string& female = "false")
{
    return name + "," + casting + ",con,str,dex," + multiplier + ",720,4.5,1,Human,0,0," + female + "\n";
}

TEST(ClassTable, ReadsStatsPointsAndLines)
{
    ClassData data("; name, stats, points, races, style lines, spell lines, female\n"
                   "Cleric,pie,con,str,dex,1.5,720,4.5,2,elf,Human,3,1*,*2,3,3,*7,8,9*,false\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    ASSERT_EQ(data.classes.Count(), 1);
    const ClassStatIds stats = data.classes.Stats(0);
    EXPECT_EQ(stats.primary, 1);
    EXPECT_EQ(stats.secondary, 0);
    EXPECT_EQ(stats.tertiary, 2);
    EXPECT_EQ(stats.casting, 5);
    EXPECT_FLOAT_EQ(data.classes.SpecMultiplier(0), 1.5f);
    EXPECT_EQ(data.classes.HitPoints(0).base, 720);
    EXPECT_FLOAT_EQ(data.classes.HitPoints(0).factor, 4.5f);
    EXPECT_EQ(data.classes.RaceNames(0), (Names{"Elf", "Human"}));
    EXPECT_EQ(data.classes.StyleLines(0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(data.classes.SpellLines(0), (std::vector<int>{0, 1, 2}));
    // A star before or after the id marks an auto-train line.
    EXPECT_EQ(data.classes.Info(0).autoTrainStyleLines, (std::vector<int>{0, 1}));
    EXPECT_EQ(data.classes.Info(0).autoTrainSpellLines, (std::vector<int>{0, 2}));
    EXPECT_TRUE(data.classes.IsAutoTrainSpellLine(0, 2));
    EXPECT_FALSE(data.classes.IsAutoTrainSpellLine(0, 1));
    EXPECT_FALSE(data.classes.IsAutoTrainStyleLine(0, 2));
    EXPECT_EQ(data.classes.FindStyleLine(0, "AXE"), 1);
    EXPECT_EQ(data.classes.FindStyleLine(0, "Brawl"), -1);  // not one of the class's lines
    EXPECT_EQ(data.classes.FindSpellLine(0, "warding"), 2);
    EXPECT_EQ(data.classes.FindSpellLine(0, "WARD"), -1);  // the tag is no name
    EXPECT_EQ(data.classes.FindByName("CLERIC"), 0);
    EXPECT_EQ(data.classes.FindByName("Mage"), -1);
}

TEST(ClassTable, FindsTheFirstNameIgnoringAsciiCaseAlsoAfterAFailedRecord)
{
    // The fourth record names an unknown race: loading stops there, and what was
    // read before stays findable.
    ClassData data(ClassRecord("Cleric", "pie") + ClassRecord("CLERIC", "int") + ClassRecord("Zw\xF6lfer") +
                   "Bad,pie,con,str,dex,1.0,720,4.5,1,Gnome,0,0,false\n" + ClassRecord("Mage"));
    EXPECT_EQ(data.result, DbResult::UnknownRace);
    ASSERT_EQ(data.classes.Count(), 3);
    EXPECT_EQ(data.classes.FindByName("cleric"), 0);
    EXPECT_EQ(data.classes.Stats(0).casting, 5);
    EXPECT_EQ(data.classes.FindByName("ZW\xF6LFER"), 2);
    EXPECT_EQ(data.classes.FindByName("ZW\xD6LFER"), -1);  // only ASCII letters fold
    EXPECT_EQ(data.classes.FindByName("Bad"), -1);
    EXPECT_EQ(data.classes.FindByName("Mage"), -1);
    EXPECT_EQ(data.classes.FindByName(""), -1);
}

TEST(ClassTable, CastingStatAndFemaleOnlyFields)
{
    struct Casting {
        const char* field;
        StatId stat;
    };
    for (const Casting& c : {Casting{"0", kNoStat}, Casting{"zero", kNoStat}, Casting{"", kNoStat},
                             Casting{"Intelligence", 4}, Casting{"emp", 6}}) {
        ClassData data(ClassRecord("Mage", c.field));
        ASSERT_EQ(data.result, DbResult::Loaded) << c.field;
        EXPECT_EQ(data.classes.Stats(0).casting, c.stat) << c.field;
    }
    struct Female {
        const char* field;
        bool femaleOnly;
    };
    for (const Female& c : {Female{"True", true}, Female{"t", true}, Female{"TRUE", true}, Female{"false", false},
                            Female{"0", false}, Female{"", false}, Female{"yes", false}}) {
        ClassData data(ClassRecord("Witch", "int", "1.0", c.field));
        ASSERT_EQ(data.result, DbResult::Loaded) << c.field;
        EXPECT_EQ(data.classes.IsFemaleOnly(0), c.femaleOnly) << c.field;
    }
}

TEST(ClassTable, RealmIsTheRealmOfTheFirstRace)
{
    ClassData data("Ranger,0,dex,qui,str,1,0,0,2,Elf,Human,0,0,f\n"
                   "Knight,0,str,con,dex,1,0,0,1,Human,0,0,f\n"
                   "Hermit,0,str,con,dex,1,0,0,0,0,0,f\n"
                   "Berserker,0,str,con,dex,1,0,0,2,Troll,Dwarf,0,0,f\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.classes.RealmOf(0), 1);
    EXPECT_EQ(data.classes.RealmOf(2), kNoRealm);  // no race at all
    EXPECT_EQ(data.classes.NamesOfRealm(1), (Names{"Ranger"}));
    EXPECT_EQ(data.classes.NamesOfRealm(0), (Names{"Knight"}));
    EXPECT_EQ(data.classes.NamesOfRealm(2), (Names{"Berserker"}));
    EXPECT_EQ(data.classes.NamesOfRealm(kNoRealm), (Names{"Ranger", "Knight", "Hermit", "Berserker"}));
}

struct FailureCase {
    const char* name;
    std::string badRecord;
    DbResult result;
};

class ClassLoadFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ClassLoadFailure, EndsTheLoadKeepingEarlierClasses)
{
    ClassData data(ClassRecord("Before") + GetParam().badRecord + ClassRecord("After"));
    EXPECT_EQ(data.result, GetParam().result);
    ASSERT_EQ(data.classes.Count(), 1);
    EXPECT_EQ(data.classes.Name(0), "Before");
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ClassLoadFailure,
    ::testing::Values(
        FailureCase{"unknown_race", "Bad,0,str,con,dex,1,0,0,2,Human,Gnome,0,0,f\n", DbResult::UnknownRace},
        FailureCase{"race_list_cut_short", "Bad,0,str,con,dex,1,0,0,3,Human,Elf\n", DbResult::UnknownRace},
        FailureCase{"giant_race_count", "Bad,0,str,con,dex,1,0,0,2000000000,Human\n", DbResult::UnknownRace},
        FailureCase{"unknown_style_line", "Bad,0,str,con,dex,1,0,0,1,Human,2,1,5*,0,f\n", DbResult::UnknownStyleLine},
        FailureCase{"unknown_spell_line", "Bad,0,str,con,dex,1,0,0,1,Human,0,2,7,*70,f\n", DbResult::UnknownSpellLine},
        // Past the line the entries read as spell-line id 0, which no line has.
        FailureCase{"giant_spell_line_count", "Bad,0,str,con,dex,1,0,0,1,Human,0,2000000000,8\n",
                    DbResult::UnknownSpellLine}),
    [](const ::testing::TestParamInfo<FailureCase>& row) { return std::string(row.param.name); });

TEST(ClassTable, CountsBeyondTheLineAreBounded)
{
    // The style-line count runs past the line; the empty entries read as id 0,
    // which Brawl has: it is taken once, not two billion times. Negative counts
    // read nothing.
    ClassData data("Brute,0,str,con,dex,1,0,0,1,Human,2000000000,1\n"
                   "Monk,0,str,con,dex,1,0,0,-4,-1,1,8,f\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    ASSERT_EQ(data.classes.Count(), 2);
    EXPECT_EQ(data.classes.StyleLines(0), (std::vector<int>{0, 3}));
    EXPECT_TRUE(data.classes.SpellLines(0).empty());
    EXPECT_TRUE(data.classes.Races(1).empty());
    EXPECT_EQ(data.classes.SpellLines(1), (std::vector<int>{1}));
}

TEST(ClassTable, MissingFileAndReload)
{
    ClassData data(ClassRecord("Cleric"));
    ASSERT_EQ(data.classes.Count(), 1);
    data.folder.Remove("classes.dat");
    EXPECT_EQ(data.classes.LoadClasses(data.folder.PathText(), data.races, data.styleLines, data.spellLines),
              DbResult::FileMissing);
    EXPECT_EQ(data.classes.Count(), 0);
}

struct PointsCase {
    const char* multiplier;
    double level;
    std::int32_t points;
};

class SpecPoints : public ::testing::TestWithParam<PointsCase> {};

TEST_P(SpecPoints, EarnedUpToLevel)
{
    const PointsCase& c = GetParam();
    ClassData data(ClassRecord("Cleric", "pie", c.multiplier));
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.classes.SpecPointsUpTo(0, c.level), c.points) << c.multiplier << " at " << c.level;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, SpecPoints,
    ::testing::Values(PointsCase{"1", 1.0, 0}, PointsCase{"1", 2.0, 2}, PointsCase{"1", 5.0, 14},
                      PointsCase{"1", 5.5, 14}, PointsCase{"1", 6.0, 20}, PointsCase{"1", 40.0, 819},
                      // Half levels from 40.5 on add half a level's points.
                      PointsCase{"1", 40.5, 839}, PointsCase{"1", 41.0, 880}, PointsCase{"1", 50.0, 1494},
                      PointsCase{"1", 1e300, 1494}, PointsCase{"1", std::nan(""), 0},
                      PointsCase{"1.5", 6.0, 23}, PointsCase{"1.1", 50.0, 1619}, PointsCase{"2.2", 45.5, 2521},
                      // 10 x 0.7f is just below 7 in double precision: truncated to 6.
                      PointsCase{"0.7", 10.0, 39},
                      // Absurd multipliers saturate instead of overflowing.
                      PointsCase{"1e39", 6.0, kMaxInt}, PointsCase{"1e30", 50.0, kMaxInt},
                      PointsCase{"-1e39", 6.0, std::numeric_limits<std::int32_t>::min() + 14},
                      PointsCase{"nan", 50.0, 14}));

TEST(ClassTable, HugeMultiplierIsClampedToFloatRange)
{
    ClassData data(ClassRecord("Cleric", "pie", "1e39"));
    EXPECT_EQ(data.classes.SpecMultiplier(0), FLT_MAX);
}

TEST(ClassTable, StatsAtLevel)
{
    // Primary Constitution, secondary Strength, tertiary Dexterity.
    ClassData data(ClassRecord("Cleric") + "Drifter,0,none,none,none,1,0,0,1,Human,0,0,f\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const StatValues base{10, 20, 30, 40, 50, 60, 70, 80};
    struct Row {
        double level;
        StatValues stats;
    };
    for (const Row& row : {Row{1.0, base}, Row{5.0, base}, Row{5.5, base}, Row{std::nan(""), base},
                           Row{6.0, {11, 21, 31, 40, 50, 60, 70, 80}}, Row{10.9, {13, 25, 32, 40, 50, 60, 70, 80}},
                           Row{50.0, {33, 65, 45, 40, 50, 60, 70, 80}}})
        EXPECT_EQ(data.classes.StatsAtLevel(0, base, row.level), row.stats) << row.level;
    EXPECT_EQ(data.classes.StatsAtLevel(1, base, 50.0), base);  // no growth stats
    const StatValues high{kMaxInt, kMaxInt, kMaxInt, 0, 0, 0, 0, 0};
    EXPECT_EQ(data.classes.StatsAtLevel(0, high, 1e300), high);
}

}  // namespace
