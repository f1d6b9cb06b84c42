#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "database/CAbilityTable.h"
#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;
using Levels = std::vector<std::int32_t>;
using Kinds = std::vector<int>;

struct AbilityData {
    MiniWorld world;
    CAbilityTable table;
    DbResult result{};

    // A file given as nullopt is left out of the folder.
    AbilityData(std::optional<std::string> rest, std::optional<std::string> lines,
                std::optional<std::string> desc = std::string())
    {
        if (rest)
            world.folder.Write("abilities_rest.dat", *rest);
        if (lines)
            world.folder.Write("abilities.dat", *lines);
        if (desc)
            world.folder.Write("abilities_desc.dat", *desc);
        result = Load();
    }

    DbResult Load()
    {
        return table.LoadAbilities(world.Path(), world.classes, world.spellLines, world.styleLines);
    }
};

TEST(MiniWorld, LoadsTheDocumentedRecords)
{
    MiniWorld world;
    ASSERT_TRUE(world.AllLoaded());
    EXPECT_EQ(world.classes.Count(), 4);
    EXPECT_EQ(world.classes.Name(mini::kPyromancer), "Pyromancer");
    EXPECT_EQ(world.classes.RealmOf(mini::kBlademaster), 1);
    EXPECT_EQ(world.classes.StyleLines(mini::kBlademaster),
              (std::vector<int>{mini::kSword, mini::kShield, mini::kDagger}));
    EXPECT_EQ(world.classes.SpellLines(mini::kPyromancer),
              (std::vector<int>{mini::kFlames, mini::kRestoration}));
    EXPECT_EQ(world.spellLines.FindById(mini::kWardingId), mini::kWarding);
    EXPECT_EQ(world.spellLines.SpecName(mini::kRestoration), "Restoration Mastery");
    EXPECT_TRUE(world.spellLines.SpecName(mini::kFlames).empty());
}

TEST(AbilityTable, ListsAbilitiesLinesAndSpecialisationsByLevelThenName)
{
    AbilityData data("; class, count, name/level pairs\n"
                     "Cleric,5,Staff,1,Slash,1,Armor: Cloth,0,Shields: Small,3,armor: leather,10\n",
                     "Cleric,1,Shield,4,2,7,1,9,12\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList list = data.table.ClassAbilities(mini::kCleric);
    EXPECT_EQ(list.names, (Names{"Armor: Cloth", "Restoration", "Slash", "Staff", "Shields: Small", "Shield",
                                 "Restoration Mastery", "armor: leather", "Warding"}));
    EXPECT_EQ(list.levels, (Levels{0, 1, 1, 1, 3, 4, 5, 10, 12}));
    EXPECT_EQ(list.kinds,
              (Kinds{kAbilityArmour, kAbilityTrainableLine, kAbilityPlain, kAbilityPlain, kAbilityShield,
                     kAbilityTrainableLine, kAbilitySpecialisation, kAbilityPlain, kAbilityTrainableLine}));
}

TEST(AbilityTable, NamesSortByUnsignedBytes)
{
    // 0xC4 (Ä) is above every ASCII letter; lower case sorts after upper case.
    // Axe is the name first written axe: names are kept once, ignoring case.
    AbilityData data("Blademaster,5,\xC4xte,2,Zorn,2,axe,2,Bolt,2,Axe,2\n", "");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList list = data.table.ClassAbilities(mini::kBlademaster);
    EXPECT_EQ(list.names, (Names{"Dagger", "Shield", "Sword", "Bolt", "Zorn", "axe", "axe", "\xC4xte"}));
    EXPECT_EQ(list.levels, (Levels{0, 0, 0, 2, 2, 2, 2, 2}));
}

TEST(AbilityTable, EqualLevelAndNameKeepTheExchangeSortOrder)
{
    // A plain ability named like the specialisation, on its level: the exchange
    // sort leaves the specialisation row first here, where a stable sort would not.
    AbilityData data("Cleric,1,Restoration Mastery,5\n", "Cleric,1,Shield,4,2,7,1,9,0\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList list = data.table.ClassAbilities(mini::kCleric);
    EXPECT_EQ(list.names,
              (Names{"Warding", "Restoration", "Shield", "Restoration Mastery", "Restoration Mastery"}));
    EXPECT_EQ(list.kinds, (Kinds{kAbilityTrainableLine, kAbilityTrainableLine, kAbilityTrainableLine,
                                 kAbilitySpecialisation, kAbilityPlain}));
}

struct KindCase {
    const char* name;
    int kind;
};

class AbilityKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(AbilityKinds, FollowCaseSensitiveMarkers)
{
    const KindCase& c = GetParam();
    AbilityData data(std::string("Blademaster,1,") + c.name + ",1\n", "");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList list = data.table.ClassAbilities(mini::kBlademaster);
    ASSERT_EQ(list.names.size(), 4u);
    EXPECT_EQ(list.names[3], c.name);
    EXPECT_EQ(list.kinds[3], c.kind);
}

INSTANTIATE_TEST_SUITE_P(Markers, AbilityKinds,
                         ::testing::Values(KindCase{"Armor: Plate", kAbilityArmour},
                                           KindCase{"armor: plate", kAbilityPlain},
                                           KindCase{"Heavy Armor: Chain", kAbilityArmour},
                                           KindCase{"Armor Plate", kAbilityPlain},
                                           KindCase{"R\xFCstung: Platte", kAbilityArmour},
                                           KindCase{"Shields: Large", kAbilityShield},
                                           KindCase{"SHIELDS: Large", kAbilityPlain},
                                           KindCase{"Schilde: klein", kAbilityShield},
                                           KindCase{"Shields: Armor: both", kAbilityArmour},
                                           KindCase{"Evade", kAbilityPlain}));

TEST(AbilityTable, LinesWithoutLevelsAreListedAtZero)
{
    // Pyromancer appears only in abilities_rest.dat, Cleric's Warding is not mentioned.
    AbilityData data("Cleric,0\nPyromancer,1,Wand,3\n", "Cleric,1,shield,6,1,7,2\n");
    ASSERT_EQ(data.result, DbResult::Loaded);

    const ClassAbilityList cleric = data.table.ClassAbilities(mini::kCleric);
    EXPECT_EQ(cleric.names, (Names{"Warding", "Restoration", "Restoration Mastery", "Shield"}));
    EXPECT_EQ(cleric.levels, (Levels{0, 2, 5, 6}));

    const ClassAbilityList pyromancer = data.table.ClassAbilities(mini::kPyromancer);
    EXPECT_EQ(pyromancer.names, (Names{"Flames", "Restoration", "Staff", "Wand", "Restoration Mastery"}));
    EXPECT_EQ(pyromancer.levels, (Levels{0, 0, 0, 3, 5}));
}

TEST(AbilityTable, ClassWithoutEntryHasAnEmptyList)
{
    // Wizard is no class: its entry keeps class -1 and must not answer for "no class".
    AbilityData data("Wizard,1,Fireball,1\nCleric,1,Staff,1\n", "Wizard,1,Sword,1,0\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.EntryCount(), 2);
    for (const int classIndex : {static_cast<int>(mini::kBlademaster), -1, 4, 1000}) {
        const ClassAbilityList list = data.table.ClassAbilities(classIndex);
        EXPECT_TRUE(list.names.empty()) << classIndex;
        EXPECT_TRUE(list.levels.empty()) << classIndex;
        EXPECT_TRUE(list.kinds.empty()) << classIndex;
    }
}

TEST(AbilityTable, LineLevelsOfAClassWithoutEntryAreSkipped)
{
    // The Blademaster record is read past whole, so the Cleric record after it
    // still starts at its own name.
    AbilityData data("Cleric,0\n", "Blademaster,2,Sword,3,Dagger,7,1,99,5\nCleric,1,Shield,4,0\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList cleric = data.table.ClassAbilities(mini::kCleric);
    EXPECT_EQ(cleric.names, (Names{"Restoration", "Warding", "Shield", "Restoration Mastery"}));
    EXPECT_EQ(cleric.levels, (Levels{0, 0, 4, 5}));
}

TEST(AbilityTable, FirstEntryOfAClassTakesItsLineLevels)
{
    AbilityData data("Cleric,1,Staff,1\nCLERIC,1,Mace,2\n", "cleric,1,Shield,9,0\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    const ClassAbilityList cleric = data.table.ClassAbilities(mini::kCleric);
    EXPECT_EQ(cleric.names, (Names{"Restoration", "Warding", "Staff", "Restoration Mastery", "Shield"}));
    EXPECT_EQ(cleric.levels, (Levels{0, 0, 1, 5, 9}));
}

struct LineLevelFailure {
    const char* name;
    const char* abilitiesDat;
    Levels clericLevels;  // levels of Warding, Restoration, Shield after the failure
};

class AbilityLineLevelFailures : public ::testing::TestWithParam<LineLevelFailure> {};

TEST_P(AbilityLineLevelFailures, EndTheLoadWithCode4)
{
    const LineLevelFailure& c = GetParam();
    AbilityData data("Cleric,0\n", std::string(c.abilitiesDat), "Staff,\"never read\"\n");
    EXPECT_EQ(data.result, DbResult::UnknownStyle);
    // abilities_desc.dat is not read after the failure.
    EXPECT_EQ(data.table.Description("Staff"), "");
    const ClassAbilityList cleric = data.table.ClassAbilities(mini::kCleric);
    Levels levels;
    for (std::size_t i = 0; i < cleric.names.size(); ++i) {
        if (cleric.kinds[i] == kAbilityTrainableLine)
            levels.push_back(cleric.levels[i]);
    }
    std::sort(levels.begin(), levels.end());
    EXPECT_EQ(levels, c.clericLevels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AbilityLineLevelFailures,
    ::testing::Values(
        LineLevelFailure{"StyleLineOfAnotherClass", "Cleric,2,Shield,3,Sword,4,0\n", {0, 0, 3}},
        LineLevelFailure{"UnknownStyleLine", "Cleric,1,Hammer,4,0\n", {0, 0, 0}},
        LineLevelFailure{"SpellLineOfAnotherClass", "Cleric,1,Shield,3,2,7,8,8,9\n", {0, 3, 8}},
        LineLevelFailure{"UnknownSpellLineId", "Cleric,0,1,42,1\n", {0, 0, 0}},
        // The count promises a second pair the line does not hold.
        LineLevelFailure{"CountBeyondTheLine", "Cleric,2,Shield,3\n", {0, 0, 3}},
        LineLevelFailure{"HugeCountBeyondTheLine", "Cleric,1,Shield,3,2147483647,9,6\n", {0, 3, 6}}),
    [](const ::testing::TestParamInfo<LineLevelFailure>& param) { return std::string(param.param.name); });

TEST(AbilityTable, HugeOrNegativeCountsStopAtTheEndOfTheRecord)
{
    AbilityData data("Cleric,2147483647,Staff,1\nPyromancer,-3\nValkyrie,1,Spear,4\n", "");
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.EntryCount(), 3);
    // Only the named abilities: no nameless filler for the missing pairs.
    EXPECT_EQ(data.table.NameCount(), 2);
    const ClassAbilityList valkyrie = data.table.ClassAbilities(mini::kValkyrie);
    EXPECT_EQ(valkyrie.names, (Names{"Shield", "Warding", "Spear"}));
    const ClassAbilityList cleric = data.table.ClassAbilities(mini::kCleric);
    EXPECT_EQ(cleric.names.front(), "Restoration");
    EXPECT_EQ(cleric.names.size(), 5u);
}

TEST(AbilityTable, DescriptionsByKey)
{
    AbilityData data("Cleric,2,Staff,1,Slash,1\n", "",
                     "str,\"Strength, raw power.\"\n"
                     "STAFF,First text\n"
                     "Evade,\"Dodge <b>attacks</b>\"\n"
                     "staff,\"Second, later text\"\n");
    ASSERT_EQ(data.result, DbResult::Loaded);
    // The description keys join the names; differently cased keys are one name.
    EXPECT_EQ(data.table.NameCount(), 4);
    struct Case {
        const char* key;
        const char* description;
    };
    for (const Case& c : {Case{"Staff", "Second, later text"}, Case{"STR", "Strength, raw power."},
                          Case{"evade", "Dodge <b>attacks</b>"}, Case{"Slash", ""}, Case{"Parry", ""},
                          Case{"", ""}})
        EXPECT_EQ(data.table.Description(c.key), c.description) << c.key;
}

struct MissingFileCase {
    const char* name;
    bool rest, lines, desc;
    int entries;
    const char* staffDescription;
};

class AbilityMissingFiles : public ::testing::TestWithParam<MissingFileCase> {};

TEST_P(AbilityMissingFiles, GiveCode1AndStopThere)
{
    const MissingFileCase& c = GetParam();
    const auto file = [](bool present, const char* bytes) {
        return present ? std::optional<std::string>(bytes) : std::nullopt;
    };
    AbilityData data(file(c.rest, "Cleric,1,Staff,1\n"), file(c.lines, "Cleric,1,Shield,4,0\n"),
                     file(c.desc, "Staff,\"A stick.\"\n"));
    EXPECT_EQ(data.result, c.rest && c.lines && c.desc ? DbResult::Loaded : DbResult::FileMissing);
    EXPECT_EQ(data.table.EntryCount(), c.entries);
    EXPECT_EQ(data.table.Description("Staff"), c.staffDescription);
}

INSTANTIATE_TEST_SUITE_P(Cases, AbilityMissingFiles,
                         ::testing::Values(MissingFileCase{"AllPresent", true, true, true, 1, "A stick."},
                                           MissingFileCase{"NoRest", false, true, true, 0, ""},
                                           MissingFileCase{"NoLines", true, false, true, 1, ""},
                                           MissingFileCase{"NoDescriptions", true, true, false, 1, ""}),
                         [](const ::testing::TestParamInfo<MissingFileCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(AbilityTable, ReloadForgetsThePreviousFiles)
{
    AbilityData data("Cleric,1,Staff,1\n", "", "Staff,\"A stick.\"\n");
    ASSERT_EQ(data.table.EntryCount(), 1);
    data.world.folder.Write("abilities_rest.dat", "; nothing\n");
    data.world.folder.Write("abilities_desc.dat", "Mace,\"Heavy.\"\n");
    ASSERT_EQ(data.Load(), DbResult::Loaded);
    EXPECT_EQ(data.table.EntryCount(), 0);
    EXPECT_EQ(data.table.NameCount(), 1);
    EXPECT_EQ(data.table.Description("Staff"), "");
    EXPECT_EQ(data.table.Description("Mace"), "Heavy.");
    EXPECT_TRUE(data.table.ClassAbilities(mini::kCleric).names.empty());
}

TEST(AbilityTable, MalformedFilesLoadWithoutHarm)
{
    using namespace std::string_literals;
    const std::string inputs[] = {
        "",
        ",,,,,,\n,,,\n",
        "\"Cleric,2147483647,\"Staff\n",
        "Cleric,-2147483648,Staff,1\nCleric,99999999999999999999,Mace\n",
        "Cleric\0,1,\0,\0\n"s,
        "Cleric,1,Shield,1,2147483647,7,1,7\r\n\r\n;\n",
        "\xFF\xFE\x80,\"\",\"\"\"\n",
        std::string(5000, ',') + "\n" + std::string(3000, 'x'),
    };
    for (const std::string& bytes : inputs) {
        AbilityData data(bytes, bytes, bytes);
        const int code = static_cast<int>(data.result);
        EXPECT_TRUE(code == 0 || code == 4) << code;
        for (int classIndex = -1; classIndex <= data.world.classes.Count(); ++classIndex) {
            const ClassAbilityList list = data.table.ClassAbilities(classIndex);
            EXPECT_EQ(list.names.size(), list.levels.size());
            EXPECT_EQ(list.names.size(), list.kinds.size());
        }
        data.table.Description("Cleric");
    }
}

}  // namespace
