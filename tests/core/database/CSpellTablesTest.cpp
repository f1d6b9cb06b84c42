#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;
using Indices = std::vector<int>;

// The mini world with its magic files replaced (an empty text keeps the world's
// file), reloaded in the game database's order.
struct Magic : MiniWorld {
    DbResult spellsResult{}, categoriesResult{}, linesResult{};

    Magic(const std::string& spellsCsv, const std::string& categoriesDat, const std::string& linesDat = "")
    {
        for (const auto& [file, bytes] : {std::pair{"spells.csv", spellsCsv},
                                          {"spellscat.dat", categoriesDat},
                                          {"spelllines.dat", linesDat}}) {
            if (!bytes.empty())
                folder.Write(file, bytes);
        }
        spellsResult = spells.LoadSpells(Path());
        categoriesResult = categories.LoadCategories(Path(), spells, categoryTexts);
        linesResult = spellLines.LoadSpellLines(Path(), categories);
    }
};

TEST(SpellTable, FindsEveryIdTheFileCarries)
{
    // Ids beyond the array index and negative ones are found all the same; of two
    // spells with one id the later wins.
    Magic magic("7;A;1\n2000000000;B;2\n-5;C;3\n7;D;4\n1000001;E;5\n1000000;F;6\n", "");
    ASSERT_EQ(magic.spellsResult, DbResult::Loaded);
    const std::pair<std::int32_t, int> rows[] = {
        // clang-format off
        {7, 3}, {2000000000, 1}, {-5, 2}, {1000001, 4}, {1000000, 5}, {3, -1}, {0, -1}, {999999, -1},
        {-1, -1}, {2000000001, -1},
        // clang-format on
    };
    for (const auto& [id, index] : rows)
        EXPECT_EQ(magic.spells.FindById(id), index) << id;
}

// A description cannot hold a line break, so the file writes one as backslash-n;
// a backslash before anything else, or last in the text, stays as it is.
TEST(SpellCategoryTextTable, ExpandsWrittenLineBreaksOnly)
{
    const std::pair<const char*, const char*> rows[] = {
        // clang-format off
        {"\"a, b\\nc\"", "a, b\r\nc"}, {"\\nfirst", "\r\nfirst"}, {"last\\n", "last\r\n"},
        {"a\\\\nb", "a\\\r\nb"}, {"a\\tb", "a\\tb"}, {"ab\\", "ab\\"}, {"\\", "\\"}, {"", ""},
        // clang-format on
    };
    for (const auto& [field, text] : rows) {
        MiniWorld world;
        // The backslash last on a line must not take the line end or the next record with it.
        world.folder.Write("spellscat_descriptions.dat", std::string("K,T,") + field + "\nL,U,next\\");
        ASSERT_EQ(world.categoryTexts.LoadCategoryTexts(world.Path()), DbResult::Loaded);
        ASSERT_EQ(world.categoryTexts.Count(), 2) << field;
        EXPECT_EQ(world.categoryTexts.Text(0), text) << field;
        EXPECT_EQ(world.categoryTexts.Text(1), "next\\") << field;
        EXPECT_EQ(world.categoryTexts.Title(1), "U");
    }
}

TEST(SpellCategoryTable, SpellsByLevelBestSpellAndFind)
{
    // Levels 5,1,5,1: the exchange sort gives b,d,c,a, not the stable b,d,a,c.
    Magic magic("1;a;5\n2;b;1\n3;c;5\n4;d;1\n", "20,2,Mending,4,1,2,3,4\n");
    ASSERT_EQ(magic.categoriesResult, DbResult::Loaded);
    const NamedLevels list = magic.categories.Spells(0);
    EXPECT_EQ(list.names, (Names{"b", "d", "c", "a"}));
    EXPECT_EQ(list.levels, (std::vector<std::int32_t>{1, 1, 5, 5}));
    // a and c share level 5, b and d level 1: the one listed first wins.
    for (const auto& [maxLevel, spell] : {std::pair{0, -1}, {1, 1}, {4, 1}, {5, 0}, {50, 0}})
        EXPECT_EQ(magic.categories.BestSpellUpTo(0, maxLevel), spell) << maxLevel;
    EXPECT_EQ(magic.categories.FindSpell(0, "D", 1), 3);  // last of the list
    EXPECT_EQ(magic.categories.FindSpell(0, "d", 5), -1);
}

TEST(SpellTables, UnresolvedListEntryEndsTheLoad)
{
    // The missing third spell id and the category ids past the line read as 0,
    // which nothing has.
    const std::tuple<const char*, const char*, DbResult, DbResult> cases[] = {
        // clang-format off
        {"11,0,Mending,1,1\n12,0,Water,1,1\n", "7,A,Alpha,1,11,0\n", DbResult::UnknownSpellLine, DbResult::Loaded},
        {"11,0,Mending,2,1,99\n", "", DbResult::UnknownSpell, DbResult::UnknownSpellCategory},
        {"11,0,Mending,3,1,2\n", "", DbResult::UnknownSpell, DbResult::UnknownSpellCategory},
        {"11,0,Mending,-3\n", "7,A,Alpha,2,11,99,0\n", DbResult::Loaded, DbResult::UnknownSpellCategory},
        {"11,0,Mending,0\n", "7,A,Alpha,0,Spec,1,99\n", DbResult::Loaded, DbResult::UnknownSpellCategory},
        {"11,0,Mending,0\n", "7,A,Alpha,2,11\n", DbResult::Loaded, DbResult::UnknownSpellCategory},
        {"11,0,Mending,0\n", "7,A,Alpha,2000000000,11\n", DbResult::Loaded, DbResult::UnknownSpellCategory},
        // clang-format on
    };
    for (const auto& [categoriesDat, linesDat, categoriesResult, linesResult] : cases) {
        Magic magic("", categoriesDat, linesDat);
        EXPECT_EQ(magic.categoriesResult, categoriesResult) << categoriesDat;
        EXPECT_EQ(magic.linesResult, linesResult) << linesDat;
    }
}

// A line's lists hold exactly their counted ids: the first and the last
// category of a list are read, nothing after the last is taken as one more.
TEST(SpellLineTable, CategoryListsEndAtTheirCount)
{
    const struct {
        const char* line;
        Indices base;
        const char* specName;
        Indices spec;
    } cases[] = {
        // Categories 0 Mending (id 11), 1 Sparks (12), 2 mending (13), 3 Mending again (id 0).
        // clang-format off
        {"7,A,Alpha,2,11,13,Spec,1,12", {0, 2}, "Spec", {1}},
        {"7,A,Alpha,3,11,12,13", {0, 1, 2}, "", {}},
        {"7,A,Alpha,1,13,Spec,1,12", {2}, "Spec", {1}},
        {"7,A,Alpha,0,0 and more", {}, "", {}},  // "0" starts a line without a specialisation part
        {"7,A,Alpha,0,Spec,0", {}, "Spec", {}},
        {"7,A,Alpha,0", {}, "", {}},
        // Past the end of the line the ids read as 0, and the first such entry ends the list.
        {"7,A,Alpha,1,11,Spec,5,12", {0}, "Spec", {1, 3}},
        {"7,A,Alpha,4,12", {1, 3}, "", {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        // The next record follows whole.
        Magic magic("", "11,0,Mending,1,1\n12,1,Sparks,1,3\n13,0,mending,1,4\n0,0,Mending,0\n",
                    c.line + std::string("\n8,B,Beta,1,12,0"));
        ASSERT_EQ(magic.linesResult, DbResult::Loaded) << c.line;
        ASSERT_EQ(magic.spellLines.Count(), 2) << c.line;
        EXPECT_EQ(magic.spellLines.Categories(1, true), Indices{1}) << c.line;
        EXPECT_EQ(magic.spellLines.Categories(0, true), c.base) << c.line;
        EXPECT_EQ(magic.spellLines.SpecName(0), c.specName) << c.line;
        EXPECT_EQ(magic.spellLines.Categories(0, false), c.spec) << c.line;
        EXPECT_EQ(magic.spellLines.HasCategories(0, false), !c.spec.empty()) << c.line;
    }
}

TEST(SpellLineTable, FindsCategoriesOfOnePartAndSkipsStaleOnes)
{
    Magic magic("", "11,0,Mending,1,1\n12,1,Sparks,1,3\n13,0,mending,1,4\n", "7,A,Alpha,2,11,13,Spec,1,12\n8,B,Beta,0,0");
    ASSERT_EQ(magic.linesResult, DbResult::Loaded);
    const CSpellLineTable& lines = magic.spellLines;
    EXPECT_EQ(lines.CategoryNames(0, true), (Names{"Mending", "mending"}));
    EXPECT_EQ(lines.FindCategory(0, "MENDING", true), 0);  // the first of two of a name
    EXPECT_EQ(lines.FindCategory(0, "mending", true), 0);
    EXPECT_EQ(lines.FindCategory(0, "Sparks", true), -1);  // in the other part only
    EXPECT_EQ(lines.FindCategory(0, "sparks", false), 1);
    EXPECT_EQ(lines.FindCategory(1, "Mending", true), -1);
    EXPECT_TRUE(lines.CategoryNames(1, true).empty());
    // Reloaded with fewer categories, the line's stale entries are skipped.
    magic.folder.Write("spellscat.dat", "11,0,Mending,1,1\n");
    ASSERT_EQ(magic.categories.LoadCategories(magic.Path(), magic.spells, magic.categoryTexts), DbResult::Loaded);
    EXPECT_EQ(lines.CategoryNames(0, true), (Names{"Mending"}));
    EXPECT_EQ(lines.FindCategory(0, "sparks", false), -1);
    EXPECT_EQ(lines.FindCategory(0, "mending", true), 0);
}

}  // namespace
