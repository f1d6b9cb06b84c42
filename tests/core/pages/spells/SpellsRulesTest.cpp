#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/spells/SpellsRules.h"
#include "support/MiniDatabase.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace spells_rules;

TEST(SpellsRules, LowestShownLevelByDisplayMode)
{
    const std::vector<std::int32_t> levels = {1, 5, 10, 20};
    const std::tuple<int, int, bool, int> cases[] = {
        {50, 1, false, 0}, {50, 0, true, 20}, {50, 1, true, 10}, {50, 2, true, 0}, {19, 0, true, 10},
        {19, 1, true, 5},  {10, 1, true, 5},  {9, 1, true, 1},   {4, 1, true, 0},  {0, 0, true, 0},
        {0, 1, true, 0},   {20, 7, true, 20}, {-3, 1, true, 0},
    };
    for (const auto& [limit, mode, onlyTop, lowest] : cases)
        EXPECT_EQ(LowestShownLevel(levels, limit, mode, onlyTop), lowest) << limit << " " << mode;
    EXPECT_EQ(LowestShownLevel({}, 50, 1, true), 0);
    EXPECT_EQ(LowestShownLevel({}, 50, 0, true), 0);
}

class SpellsPage : public ShippedDatabases {
protected:
    // The rows of every class at a level, with the database put back each time.
    std::vector<std::vector<SpellRow>> RowsOfEveryClass(float level, const SpellsOptions& options)
    {
        std::vector<std::vector<SpellRow>> all;
        CGameDatabase& db = *s_english;
        for (int cls = 0; cls < db.Classes().Count(); ++cls) {
            CQuillmarDoc doc(db, m_settings);
            doc.New();
            doc.SetClass(db.Classes().Name(cls));
            doc.ActivateSelection();
            doc.SetLevel(level);
            const DatabaseSelection before = db.Selection();
            all.push_back(BuildRows(db, doc, options));
            EXPECT_EQ(db.Selection(), before) << cls;
        }
        return all;
    }
    CAppSettings m_settings;
};

// Under a base limit no base spell above it shows, and every shown group has
// a spell row under it; the type as name leaves one row per group.
TEST_F(SpellsPage, LimitsAndTypeAsName)
{
    int spellRows = 0, groupsTurned = 0;
    for (const std::vector<SpellRow>& rows : RowsOfEveryClass(10.0f, {})) {
        bool specPart = false;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const SpellRow& row = rows[i];
            if (row.kind != RowKind::Spell)
                specPart = row.kind == RowKind::SpecHeader || (specPart && row.kind == RowKind::Group);
            if (row.kind == RowKind::Group) {
                ASSERT_LT(i + 1, rows.size());
                EXPECT_EQ(rows[i + 1].kind, RowKind::Spell) << row.cells[kNameColumn];
            }
            if (row.kind == RowKind::Spell && !specPart) {
                EXPECT_LE(std::stoi(row.cells[kLevelColumn]), 10) << row.cells[kNameColumn];
                ++spellRows;
            }
        }
    }
    EXPECT_GT(spellRows, 0);
    const auto all = RowsOfEveryClass(50.0f, {true, true, false});
    const auto turned = RowsOfEveryClass(50.0f, {true, true, true});
    ASSERT_EQ(all.size(), turned.size());
    for (std::size_t cls = 0; cls < all.size(); ++cls) {
        std::vector<std::string> groups, names;
        for (const SpellRow& row : all[cls])
            if (row.kind == RowKind::Group)
                groups.push_back(row.cells[kNameColumn]);
        for (const SpellRow& row : turned[cls]) {
            EXPECT_NE(row.kind, RowKind::Group);
            if (row.kind == RowKind::Spell)
                names.push_back(row.cells[kNameColumn]);
        }
        EXPECT_EQ(names, groups) << cls;
        groupsTurned += static_cast<int>(names.size());
    }
    EXPECT_GT(groupsTurned, 0);
}

// A group without spells (a damaged or hand-edited file) shows no row at all,
// in any mode, and the groups around it are unchanged.
TEST(SpellsRules, AGroupWithoutSpellsAddsNoRow)
{
    MiniDatabase world({{"spellscat.dat", "11,0,Mending,2,1,2\n13,1,Hollow,0\n12,1,Sparks,2,3,4\n"},
                        {"spellscat_descriptions.dat", "Mending,Mending,x\nSparks,Sparks,x\nHollow,Hollow,x\n"},
                        {"spelllines.dat", "7,REST,Restoration,2,13,11,Restoration Mastery,1,13\n"
                                           "8,FIRE,Flames,1,12,0\n9,WARD,Warding,0,0\n"}},
                       "Cleric");
    world.doc.SetLevel(50.0f);
    using Names = std::vector<std::string>;
    const std::pair<SpellsOptions, Names> cases[] = {
        {{}, {"Restoration", "Mending", "Minor Mend", "Mend", "Restoration Mastery", "Warding"}},
        {{true, true, false}, {"Restoration", "Mending", "Mend", "Restoration Mastery", "Warding"}},
        {{true, true, true}, {"Restoration", "Mending", "Restoration Mastery", "Warding"}},
    };
    for (const auto& [options, expected] : cases) {
        Names names;
        for (const SpellRow& row : BuildRows(world.db, world.doc, options))
            names.push_back(row.cells[kNameColumn]);
        EXPECT_EQ(names, expected);
    }
}

}  // namespace
