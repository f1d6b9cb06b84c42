// What every table loader promises, checked once per table through the whole
// database load: a missing file and an empty file leave nothing, the first and
// last record are read (the last without a line end), a duplicate key resolves
// by the table's own rule, a reload forgets the previous file.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "database/CDataFileReader.h"
#include "database/CGameDatabase.h"
#include "support/MiniWorld.h"

namespace {

using Finder = int (*)(const CGameDatabase&, const std::string&);

struct TableCase {
    const char* name;
    const char* file;
    // Four records with the keys first, middle, first again (other case), last.
    std::string records;
    std::string first, last, pastLast;
    int duplicateFound;       // what the first key finds: its first or its later record
    std::string otherRecord;  // a single record with the key one past the last
    int DatabaseCounts::*count;
    Finder find;  // null: no lookup by key
    int recordCount = 4;
};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The lookup of each table by the key its records are found by.
#define FIND(expression) [](const CGameDatabase& d, const std::string& k) { return expression; }
#define FIND_ID(table) FIND(d.table().FindById(ParseLeadingInt(k)))
#define FIND_NAME(table) FIND(d.table().FindByName(k))

const TableCase kTables[] = {
    // clang-format off
    {"races", "races.csv", "Aa;caldor\nBb;nordhal\naA;glenmora\nCc;caldor", "Aa", "Cc", "Dd", 0, "Dd;caldor\n", &DatabaseCounts::races, FIND_NAME(Races)},
    {"styles", "styles.csv", "1;Aa;1;any;none;no\n2;Bb;1;any;none;no\n1;aA;1;any;none;no\n3;Cc;1;any;none;no", "1", "3", "4", 0, "4;Dd;1;any;none;no\n", &DatabaseCounts::styles, FIND_ID(Styles)},
    {"style_lines", "stylelines.dat", "1,Aa,0\n2,Bb,0\n3,aA,0\n4,Cc,0", "Aa", "Cc", "Dd", 0, "5,Dd,0\n", &DatabaseCounts::styleLines, FIND_NAME(StyleLines)},
    // Of two spells with one id the later wins.
    {"spells", "spells.csv", "1;Aa;1\n2;Bb;1\n1;aA;1\n3;Cc;1", "1", "3", "4", 2, "4;Dd;1\n", &DatabaseCounts::spells, FIND_ID(Spells)},
    {"category_texts", "spellscat_descriptions.dat", "Aa,T,x\nBb,T,x\naA,T,x\nCc,T,x", "Aa", "Cc", "Dd", 0, "Dd,T,x\n", &DatabaseCounts::spellCategoryTexts, FIND(d.SpellCategoryTexts().FindByKey(k))},
    {"categories", "spellscat.dat", "1,0,Mending,0\n2,0,Sparks,0\n1,0,sparks,0\n3,0,Mending,0", "1", "3", "4", 0, "4,0,Sparks,0\n", &DatabaseCounts::spellCategories, FIND_ID(SpellCategories)},
    {"spell_lines", "spelllines.dat", "1,A,Aa,0,0\n2,B,Bb,0,0\n3,C,aA,0,0\n4,D,Cc,0,0", "Aa", "Cc", "Dd", 0, "5,E,Dd,0,0\n", &DatabaseCounts::spellLines, FIND_NAME(SpellLines)},
    {"classes", "classes.dat", "Aa,0,str,con,dex,1,1,1,0,0,0,f\nBb,0,str,con,dex,1,1,1,0,0,0,f\naA,0,str,con,dex,1,1,1,0,0,0,f\nCc,0,str,con,dex,1,1,1,0,0,0,f", "Aa", "Cc", "Dd", 0, "Dd,0,str,con,dex,1,1,1,0,0,0,f\n", &DatabaseCounts::classes, FIND_NAME(Classes)},
    {"realm_abilities", "ras.csv", "Aa;active\nBb;passive\naA;active\nCc;active", "Aa", "Cc", "Dd", 0, "Dd;active\n", &DatabaseCounts::realmAbilities, FIND_NAME(RealmAbilities)},
    {"realm_abilities_nf", "rasnf.csv", "0;Aa;A;active\n0;Bb;B;passive\n0;aA;A;active\n1;Cc;C;active", "Aa", "Cc", "Dd", 0, "0;Dd;D;active\n", &DatabaseCounts::realmAbilitiesNf, FIND_NAME(RealmAbilitiesNf)},
    // One name per key, and of two records of a key the later text is kept; each
    // text here is the record's line, so the find reads it back.
    {"ability_descriptions", "abilities_desc.dat", "Aa,0\nBb,1\naA,2\nCc,3", "Aa", "Cc", "Dd", 2, "Dd,0\n", &DatabaseCounts::abilityNames, FIND(d.Description(k).empty() ? -1 : ParseLeadingInt(d.Description(k))), 3},
    {"ability_entries", "abilities_rest.dat", "Cleric,0\nValkyrie,0\ncleric,0\nPyromancer,0", "", "", "", 0, "Cleric,0\n", &DatabaseCounts::abilityEntries, nullptr},
    // Track names are exact: the two spellings are two tracks.
    {"master_level_tracks", "malevel.csv", "Aa;1;x\nBb;1;x\naA;1;x\nCc;1;x", "", "", "", 0, "Dd;1;x\n", &DatabaseCounts::masterLevelTracks, nullptr},
    // clang-format on
};

class TableLoader : public ::testing::TestWithParam<TableCase> {
protected:
    TableLoader() { m_world.AddEmptyLaterFiles(); }
    void LoadFile(const std::string& bytes)
    {
        m_world.folder.Write(GetParam().file, bytes);
        Reload();
    }
    void Reload() { m_database.Load(m_world.folder.Path().filename().string()); }
    int Count() const { return m_database.Counts().*GetParam().count; }
    int Find(const std::string& key) const { return GetParam().find(m_database, key); }

    MiniWorld m_world;
    CGameDatabase m_database{m_world.folder.Path().parent_path().string()};
};

TEST_P(TableLoader, ReadsFirstAndLastRecordAndResolvesDuplicateKeys)
{
    const TableCase& c = GetParam();
    LoadFile(c.records);
    ASSERT_EQ(Count(), c.recordCount);
    if (c.find) {
        EXPECT_EQ(Find(Upper(c.first)), c.duplicateFound);
        EXPECT_EQ(Find(c.last), 3);
        EXPECT_EQ(Find(c.pastLast), -1);
        EXPECT_EQ(Find(""), -1);
    }
}

TEST_P(TableLoader, ReloadForgetsThePreviousFile)
{
    const TableCase& c = GetParam();
    LoadFile(c.records);
    LoadFile(c.otherRecord);
    ASSERT_EQ(Count(), 1);
    if (c.find) {
        EXPECT_EQ(Find(c.pastLast), 0);
        EXPECT_EQ(Find(c.first), -1);
    }
}

TEST_P(TableLoader, EmptyOrMissingFileLeavesNothing)
{
    const TableCase& c = GetParam();
    LoadFile(c.records);
    LoadFile("");
    EXPECT_EQ(Count(), 0);
    LoadFile(c.records);
    m_world.folder.Remove(c.file);
    Reload();
    EXPECT_EQ(Count(), 0);
    if (c.find) {
        EXPECT_EQ(Find(c.first), -1);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTable, TableLoader, ::testing::ValuesIn(kTables),
                         [](const ::testing::TestParamInfo<TableCase>& row) {
                             return std::string(row.param.name);
                         });

// A record that breaks its table's rule, between a first and a last record:
// the load ends there keeping the first, or (a style line naming an unknown
// style) leaves out only the broken entry and goes on.
TEST(TableLoaderMalformedRecord, EndsTheLoadOrIsLeftOut)
{
    const struct {
        const char* file;
        int DatabaseCounts::*count;
        const char* records;
        int kept;
    } cases[] = {
        // clang-format off
        {"races.csv", &DatabaseCounts::races, "Aa;caldor\nZz;nowhere\nCc;caldor", 1},
        {"styles.csv", &DatabaseCounts::styles, "1;Aa;1;any;none;no\n2;Zz;1;any;none;y\n3;Cc;1;any;none;no", 1},
        {"stylelines.dat", &DatabaseCounts::styleLines, "1,Aa,0\n2,Zz,1,99\n3,Cc,0", 3},
        {"spellscat.dat", &DatabaseCounts::spellCategories, "1,0,Mending,0\n2,0,Nowhere,0\n3,0,Mending,0", 1},
        {"spelllines.dat", &DatabaseCounts::spellLines, "1,A,Aa,0,0\n2,Z,Zz,1,99,0\n3,C,Cc,0,0", 1},
        {"classes.dat", &DatabaseCounts::classes, "Aa,0,str,con,dex,1,1,1,0,0,0,f\nZz,0,str,con,dex,1,1,1,1,Gnome,0,0,f\nCc,0,str,con,dex,1,1,1,0,0,0,f", 1},
        {"ras.csv", &DatabaseCounts::realmAbilities, "Aa;active\nZz;sometimes\nCc;active", 1},
        {"rasnf.csv", &DatabaseCounts::realmAbilitiesNf, "0;Aa;A;active\n0;Zz;Z;active;About;1;2;3;4;5;Wizard\n1;Cc;C;active", 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        MiniWorld world;
        world.AddEmptyLaterFiles();
        world.folder.Write(c.file, c.records);
        CGameDatabase database(world.folder.Path().parent_path().string());
        database.Load(world.folder.Path().filename().string());
        EXPECT_EQ(database.Counts().*c.count, c.kept) << c.file;
    }
}

}  // namespace
