#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "pages/resists/ResistsRules.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace resists_rules;

TEST(ResistsRules, BytesCompareUnsignedWithPrefixesFirst)
{
    const std::tuple<std::string, std::string, int> cases[] = {
        {"", "", 0},       {"", "a", -1},      {"a", "", 1},        {"Body", "Body", 0},
        {"Ab", "Abc", -1}, {"b", "a", 1},      {"\xE4", "z", 1},    {"z", "\xFC", -1},
        {"a", "B", 1},     {"Heat", "Hea", 1}, {"Cold", "Colt", -1},
    };
    for (const auto& [a, b, sign] : cases) {
        const int order = CompareBytes(a, b);
        EXPECT_EQ((order > 0) - (order < 0), sign) << a << " / " << b;
    }
}

TEST(ResistsRules, ClicksTurnTheSortAroundOnlyOnTheSameColumn)
{
    const std::tuple<int, int, int> cases[] = {{0, 0, 1},  {1, 0, -1}, {-1, 0, 1}, {0, 4, 5},
                                               {5, 4, -5}, {-5, 1, 2}, {2, 3, 4}};
    for (const auto& [state, column, next] : cases)
        EXPECT_EQ(SortStateAfterClick(state, column), next) << state << " " << column;
}

TEST(ResistsRules, SortingKeepsTheOrderOfEqualCells)
{
    const std::vector<ResistRow> rows = {{"c", "Heat", "1", "x", ""},
                                         {"a", "Cold", "2", "x", ""},
                                         {"b", "Heat", "3", "x", ""}};
    const auto effects = [](const std::vector<ResistRow>& sorted) {
        std::string order;
        for (const ResistRow& row : sorted)
            order += row[kEffectColumn];
        return order;
    };
    const std::tuple<int, std::string> cases[] = {{0, "123"}, {2, "213"}, {-2, "132"}, {1, "231"},
                                                  {-1, "132"}, {4, "123"}, {-5, "123"}, {6, "123"},
                                                  {-6, "123"}};
    for (const auto& [state, order] : cases) {
        std::vector<ResistRow> sorted = rows;
        SortRows(sorted, state);
        EXPECT_EQ(effects(sorted), order) << state;
    }
}

class ResistsFill : public ShippedDatabases {};

// The fill walks every class but leaves the character's selection untouched,
// and the realm boxes pick exactly their realms' rows out of the whole table.
TEST_F(ResistsFill, RealmsPickTheirRowsAndTheSelectionStays)
{
    CGameDatabase& db = *s_english;
    db.SelectClass(db.Classes().Name(1));
    db.SelectRace(db.RaceNames().back());
    db.SelectSpellLine(db.SpellLineNames().front());
    db.SelectSpellCategory(db.SpellCategoryNames(true).front(), true);
    const DatabaseSelection before = db.Selection();

    const std::vector<ResistRow> all = BuildRows(db, {true, true, true});
    EXPECT_EQ(db.Selection(), before);
    EXPECT_TRUE(BuildRows(db, {false, false, false}).empty());
    int realmsWithRows = 0;
    for (int realm = 0; realm < kRealmCount; ++realm) {
        TickedRealms ticked{};
        ticked[static_cast<std::size_t>(realm)] = true;
        std::vector<ResistRow> expected;
        for (const ResistRow& row : all)
            if (row[kRealmColumn] == CGameDatabase::RealmName(realm))
                expected.push_back(row);
        EXPECT_EQ(BuildRows(db, ticked), expected) << realm;
        realmsWithRows += expected.empty() ? 0 : 1;
    }
    EXPECT_EQ(realmsWithRows, kRealmCount);
    for (const ResistRow& row : all)
        for (const std::string& cell : row)
            EXPECT_FALSE(cell.empty()) << row[kEffectColumn];
    EXPECT_EQ(db.Selection(), before);
}

}  // namespace
