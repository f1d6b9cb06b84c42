#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CSpellCategoryTable.h"
#include "database/CSpellCategoryTextTable.h"
#include "database/CSpellLineTable.h"
#include "database/CSpellTable.h"
#include "support/TempDataFolder.h"

namespace {

using Names = std::vector<std::string>;

constexpr const char* kSpells = "1;Spark;1;Target;1;1500;2;Light damage;heat\n"
                                "2;Flame;5;Target;1;1500;4;Damage;heat\n"
                                "3;Blaze;5;Target;1;1500;6;Damage;heat\n"
                                "4;Ember;1;Self;1;0;1;Glow;\n"
                                "10;Ward;3;Self;60;0;3;Shield;\n";

constexpr const char* kTexts = "Fire,Fire spells,\"Hurts, and\\nburns\"\n"
                               "Warding,Wards,Keeps you safe\n";

// Writes the four magic files (any left empty is not written) and loads them in
// the order the game database uses.
struct MagicData {
    TempDataFolder folder;
    CSpellTable spells;
    CSpellCategoryTextTable texts;
    CSpellCategoryTable categories;
    CSpellLineTable lines;
    DbResult spellsResult{}, textsResult{}, categoriesResult{}, linesResult{};

    MagicData(const std::string& spellsCsv, const std::string& textsDat, const std::string& categoriesDat,
              const std::string& linesDat)
    {
        const auto write = [this](const char* name, const std::string& bytes) {
            if (!bytes.empty())
                folder.Write(name, bytes);
        };
        write("spells.csv", spellsCsv);
        write("spellscat_descriptions.dat", textsDat);
        write("spellscat.dat", categoriesDat);
        write("spelllines.dat", linesDat);
        const std::string path = folder.PathText();
        spellsResult = spells.LoadSpells(path);
        textsResult = texts.LoadCategoryTexts(path);
        categoriesResult = categories.LoadCategories(path, spells, texts);
        linesResult = lines.LoadSpellLines(path, categories);
    }
};

TEST(SpellTable, DetailRowsLeaveOutTheDamageType)
{
    MagicData data(kSpells, "", "", "");
    ASSERT_EQ(data.spellsResult, DbResult::Loaded);
    const int flame = data.spells.FindById(2);
    ASSERT_EQ(flame, 1);
    const DetailRows rows = data.spells.Detail(flame);
    EXPECT_EQ(rows.labels, (Names{"name", "level", "Target", "Times", "Range", "Costs", "Effect"}));
    EXPECT_EQ(rows.values, (Names{"Flame", "5", "Target", "1", "1500", "4", "Damage"}));
    EXPECT_EQ(data.spells.DamageType(flame), "heat");
    EXPECT_EQ(data.spells.DamageType(3), "");
}

struct IdCase {
    const char* name;
    std::int32_t id;
    int index;
};

class SpellIdIndex : public ::testing::TestWithParam<IdCase> {};

TEST_P(SpellIdIndex, FindsEveryIdTheFileCarries)
{
    // Ids far outside the array index and negative ones are found all the same;
    // of two spells with one id the later wins.
    static const MagicData data("7;First seven;1\n"
                                "2000000000;Giant;2\n"
                                "-5;Negative;3\n"
                                "7;Second seven;4\n"
                                "1000001;Just beyond;5\n"
                                "2000000000;Giant again;6\n",
                                "", "", "");
    ASSERT_EQ(data.spellsResult, DbResult::Loaded);
    EXPECT_EQ(data.spells.FindById(GetParam().id), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Spells, SpellIdIndex,
                         ::testing::Values(IdCase{"duplicate_takes_later", 7, 3}, IdCase{"giant", 2000000000, 5},
                                           IdCase{"negative", -5, 2}, IdCase{"just_beyond_index", 1000001, 4},
                                           IdCase{"gap_below_largest", 3, -1}, IdCase{"zero_without_spell", 0, -1},
                                           IdCase{"unknown_giant", 2000000001, -1},
                                           IdCase{"unknown_negative", -1, -1}),
                         [](const ::testing::TestParamInfo<IdCase>& row) { return std::string(row.param.name); });

struct LineBreakCase {
    const char* name;
    std::string field;
    std::string text;
};

class CategoryTextLineBreaks : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(CategoryTextLineBreaks, BackslashNBecomesCrLf)
{
    MagicData data("", "Key,Title," + GetParam().field + "\n", "", "");
    ASSERT_EQ(data.textsResult, DbResult::Loaded);
    ASSERT_EQ(data.texts.Count(), 1);
    EXPECT_EQ(data.texts.Text(0), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CategoryTextLineBreaks,
    ::testing::Values(LineBreakCase{"inside_quotes", "\"a, b\\nc\"", "a, b\r\nc"},
                      LineBreakCase{"double_backslash", "a\\\\nb", "a\\\r\nb"},
                      LineBreakCase{"other_escape_kept", "a\\tb", "a\\tb"},
                      LineBreakCase{"trailing_backslash", "ab\\", "ab\\"}),
    [](const ::testing::TestParamInfo<LineBreakCase>& row) { return std::string(row.param.name); });

TEST(SpellCategoryTextTable, FindsTheFirstKeyIgnoringCase)
{
    MagicData data("", "Fire,One,first\nFIRE,Two,second\n", "", "");
    EXPECT_EQ(data.texts.FindByKey("fire"), 0);
    EXPECT_EQ(data.texts.Title(0), "One");
    EXPECT_EQ(data.texts.FindByKey("Water"), -1);
}

TEST(SpellCategoryTable, SpellsAreOrderedByTheExchangeSort)
{
    // Levels 5,1,5,1: the exchange sort gives b,d,c,a, not the stable b,d,a,c.
    MagicData data("1;a;5\n2;b;1\n3;c;5\n4;d;1\n", "Fire,T,D\n", "20,2,fire,4,1,2,3,4\n", "");
    ASSERT_EQ(data.categoriesResult, DbResult::Loaded);
    const NamedLevels list = data.categories.Spells(0);
    EXPECT_EQ(list.names, (Names{"b", "d", "c", "a"}));
    EXPECT_EQ(list.levels, (std::vector<std::int32_t>{1, 1, 5, 5}));
    EXPECT_EQ(data.categories.DisplayMode(0), 2);
    EXPECT_EQ(data.categories.Name(0), "fire");
    EXPECT_EQ(data.categories.Description(0), "D");
}

TEST(SpellCategoryTable, BestSpellAndFindSpell)
{
    MagicData data(kSpells, kTexts, "20,0,Fire,4,1,2,3,4\n", "");
    ASSERT_EQ(data.categoriesResult, DbResult::Loaded);
    struct Best {
        std::int32_t maxLevel;
        int spell;
    };
    // Flame and Blaze share level 5: the one listed first wins.
    for (const Best& c : {Best{0, -1}, Best{1, 0}, Best{4, 0}, Best{5, 1}, Best{50, 1}})
        EXPECT_EQ(data.categories.BestSpellUpTo(0, c.maxLevel), c.spell) << "up to " << c.maxLevel;
    EXPECT_EQ(data.categories.FindSpell(0, "BLAZE", 5), 2);
    EXPECT_EQ(data.categories.FindSpell(0, "Blaze", 1), -1);
    EXPECT_EQ(data.categories.FindSpell(0, "Ward", 3), -1);  // not in this category
}

struct CategoryLoadCase {
    const char* name;
    std::string categoriesDat;
    DbResult result;
    int count;                      // records kept
    std::vector<int> firstSpells;   // spells of the first record, when kept
};

class CategoryLoad : public ::testing::TestWithParam<CategoryLoadCase> {};

TEST_P(CategoryLoad, ResolvesNamesAndSpellIds)
{
    const CategoryLoadCase& c = GetParam();
    MagicData data(kSpells, kTexts, c.categoriesDat, "");
    EXPECT_EQ(data.categoriesResult, c.result);
    ASSERT_EQ(data.categories.Count(), c.count);
    if (c.count > 0) {
        EXPECT_EQ(data.categories.Info(0).spells, c.firstSpells);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Categories, CategoryLoad,
    ::testing::Values(
        CategoryLoadCase{"name_without_text", "20,0,Fire,1,1\n21,0,Water,1,1\n22,0,Fire,0\n",
                         DbResult::UnknownSpellLine, 1, {0}},
        CategoryLoadCase{"unknown_spell_id", "20,0,Fire,1,1\n21,0,Warding,2,10,99\n22,0,Fire,0\n",
                         DbResult::UnknownSpell, 1, {0}},
        // The missing third id reads as 0, which no spell has.
        CategoryLoadCase{"count_beyond_line", "20,0,Fire,3,1,2\n", DbResult::UnknownSpell, 0, {}},
        CategoryLoadCase{"giant_count_beyond_line", "20,0,Fire,2000000000,1\n", DbResult::UnknownSpell, 0, {}},
        CategoryLoadCase{"negative_count", "20,0,Fire,-3\n21,0,Fire,1,1\n", DbResult::Loaded, 2, {}},
        CategoryLoadCase{"non_numeric_count", "20,0,Fire,many\n21,0,Fire,1,1\n", DbResult::Loaded, 2, {}}),
    [](const ::testing::TestParamInfo<CategoryLoadCase>& row) { return std::string(row.param.name); });

TEST(SpellCategoryTable, GiantCountWithSpellZeroEndsWithTheLine)
{
    // Empty entries past the line's end all resolve to spell 0: one is taken,
    // and the load neither loops two billion times nor allocates for them.
    MagicData data("0;Zero;1\n5;Five;2\n", "Fire,T,D\n", "20,0,Fire,2000000000,5\n21,0,Fire,1,5\n", "");
    ASSERT_EQ(data.categoriesResult, DbResult::Loaded);
    ASSERT_EQ(data.categories.Count(), 2);
    EXPECT_EQ(data.categories.Info(0).spells, (std::vector<int>{1, 0}));
    EXPECT_EQ(data.categories.FindById(21), 1);
}

TEST(SpellCategoryTable, MissingSpellsFileFailsOnFirstSpellId)
{
    MagicData data("", kTexts, "20,0,Fire,1,1\n", "");
    EXPECT_EQ(data.spellsResult, DbResult::FileMissing);
    EXPECT_EQ(data.categoriesResult, DbResult::UnknownSpell);
}

constexpr const char* kCategories = "20,0,Fire,2,1,2\n21,1,Warding,1,10\n22,0,fire,1,3\n";

TEST(SpellLineTable, SpecialisationPartIsOptional)
{
    MagicData data(kSpells, kTexts, kCategories,
                   "7,ELE,Elements,1,20,Pyromancy,2,22,21\n"
                   "8,PRO,Protection,1,21,0\n"
                   "9,MIX,Mixed,2,21,20,0 and more words\n"
                   "10,BARE,Bare,0\n");
    ASSERT_EQ(data.linesResult, DbResult::Loaded);
    ASSERT_EQ(data.lines.Count(), 4);
    EXPECT_EQ(data.lines.SpecName(0), "Pyromancy");
    EXPECT_EQ(data.lines.CategoryNames(0, false), (Names{"fire", "Warding"}));
    EXPECT_TRUE(data.lines.HasCategories(0, false));
    for (int line : {1, 2, 3}) {
        EXPECT_EQ(data.lines.SpecName(line), "") << line;
        EXPECT_FALSE(data.lines.HasCategories(line, false)) << line;
    }
    EXPECT_EQ(data.lines.CategoryNames(2, true), (Names{"Warding", "Fire"}));
    EXPECT_FALSE(data.lines.HasCategories(3, true));
    EXPECT_EQ(data.lines.Tag(1), "PRO");
    EXPECT_EQ(data.lines.Id(2), 9);
    EXPECT_EQ(data.lines.FindById(9), 2);
    EXPECT_EQ(data.lines.FindById(11), -1);
    EXPECT_EQ(data.lines.FindByName("protection"), 1);
}

TEST(SpellLineTable, FindCategorySearchesOnlyTheAskedPart)
{
    MagicData data(kSpells, kTexts, kCategories, "7,ELE,Elements,1,20,Pyromancy,1,22\n");
    // Both parts hold a category named fire (any case): each finds its own.
    EXPECT_EQ(data.lines.FindCategory(0, "FIRE", true), 0);
    EXPECT_EQ(data.lines.FindCategory(0, "FIRE", false), 2);
    EXPECT_EQ(data.lines.FindCategory(0, "Warding", true), -1);
}

struct LineLoadCase {
    const char* name;
    std::string linesDat;
    int count;
};

class SpellLineLoad : public ::testing::TestWithParam<LineLoadCase> {};

TEST_P(SpellLineLoad, UnknownCategoryEndsTheLoad)
{
    MagicData data(kSpells, kTexts, kCategories, GetParam().linesDat);
    EXPECT_EQ(data.linesResult, DbResult::UnknownSpellCategory);
    EXPECT_EQ(data.lines.Count(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SpellLineLoad,
    ::testing::Values(LineLoadCase{"in_base_part", "7,A,Alpha,1,20,0\n8,B,Beta,1,99,0\n9,C,Gamma,0,0\n", 1},
                      LineLoadCase{"in_spec_part", "7,A,Alpha,1,20,Spec,1,99\n8,B,Beta,0,0\n", 0},
                      LineLoadCase{"count_beyond_line", "7,A,Alpha,2000000000,20\n", 0}),
    [](const ::testing::TestParamInfo<LineLoadCase>& row) { return std::string(row.param.name); });

TEST(SpellTables, ReloadReplacesEverything)
{
    MagicData data(kSpells, kTexts, kCategories, "7,ELE,Elements,1,20,0\n");
    ASSERT_EQ(data.lines.Count(), 1);
    data.folder.Write("spells.csv", "1;Other;1\n");
    data.folder.Remove("spelllines.dat");
    EXPECT_EQ(data.spells.LoadSpells(data.folder.PathText()), DbResult::Loaded);
    EXPECT_EQ(data.spells.FindById(10), -1);
    EXPECT_EQ(data.lines.LoadSpellLines(data.folder.PathText(), data.categories), DbResult::FileMissing);
    EXPECT_EQ(data.lines.FindById(7), -1);
}

}  // namespace
