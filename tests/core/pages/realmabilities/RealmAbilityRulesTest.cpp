#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/realmabilities/RealmAbilityRules.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace ra_rules;

TEST(RealmAbilityRules, NeededRankAndRealmPoints)
{
    const std::tuple<int, int, std::string, std::string> cases[] = {
        {0, 0, "R1L0", "0 RPs"},           {1, 0, "R1L1", "1 RPs"},
        {9, 0, "R1L9", "5.100 RPs"},       {10, 0, "R2L0", "7.125 RPs"},
        {100, 0, "R11L0", ""},             {110, 0, "R12L0", "23.308.097 RPs"},
        {111, 0, "impossible", " RPs"},    {35, 30, "R1L5", "750 RPs"},
        {5, 30, "R1L0", "0 RPs"},          {141, 30, "impossible", " RPs"},
    };
    for (const auto& [used, coop, rank, points] : cases) {
        const NeededRank needed = NeededRankFor(used, coop);
        EXPECT_EQ(needed.realmRank, rank) << used << " " << coop;
        if (!points.empty()) {
            EXPECT_EQ(needed.realmPoints, points) << used << " " << coop;
        }
    }
}

TEST(RealmAbilityRules, ReuseTexts)
{
    const std::tuple<int, std::string> cases[] = {{0, ""},         {-5, ""},       {1, "1 sec"},
                                                  {60, "60 sec"},  {61, "1 min"},  {90, "1 min"},
                                                  {150, "2 min"},  {3600, "60 min"}, {3601, "60 min"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(ReuseText(seconds), text) << seconds;
}

AbilityRow Ability(std::string name, std::array<std::int32_t, kLevelCount> costs, int level = 0,
                   std::string prerequisite = {}, int requiredLevel = 0)
{
    AbilityRow row;
    row.name = std::move(name);
    row.costs = costs;
    for (std::size_t i = 0; i < costs.size(); ++i)
        if (costs[i] > 0)
            row.captions[i] = std::to_string(costs[i]);
    row.level = level;
    row.prerequisite = std::move(prerequisite);
    row.requiredLevel = requiredLevel;
    return row;
}

AbilityRow NewRules(std::string name, int group, int level = 0)
{
    AbilityRow row = Ability(std::move(name), GroupCosts(group), level);
    row.group = group;
    return row;
}

std::string Available(const AbilityRow& row)
{
    std::string text;
    for (int level = 1; level <= kLevelCount; ++level)
        text += row.HasButton(level) ? (row.available[static_cast<std::size_t>(level - 1)] ? 'y' : 'n') : '-';
    return text;
}

class RealmAbilityPoints : public ::testing::Test {
protected:
    Points Update(std::vector<AbilityRow>& rows, int realmRank)
    {
        m_doc.SetRealmRank(realmRank);
        return UpdatePoints(rows, m_doc);
    }
    CGameDatabase m_db{""};
    CAppSettings m_settings;
    CQuillmarDoc m_doc{m_db, m_settings};
};

TEST_F(RealmAbilityPoints, GroupCostsAndAffordableLevels)
{
    std::vector<AbilityRow> rows = {NewRules("Full", kNormal, 5), NewRules("Timed", kTimed, 3),
                                    NewRules("Free", kAtRealmRank5, 0)};
    rows[2].captions = {"a", "b", "", "", ""};
    // A group the program does not know costs nothing and heads nothing.
    for (const int unknown : {-1, 3, 100}) {
        EXPECT_EQ(GroupCosts(unknown), (std::array<std::int32_t, kLevelCount>{})) << unknown;
        EXPECT_EQ(GroupHeaderName(unknown), "") << unknown;
    }
    EXPECT_EQ(GroupCosts(kAtRealmRank5), (std::array<std::int32_t, kLevelCount>{}));
    EXPECT_EQ(Update(rows, 64).used, 34 + 30);
    EXPECT_EQ(Available(rows[0]), "yyyyy");
    EXPECT_EQ(Available(rows[1]), "yyy--");
    EXPECT_EQ(Available(rows[2]), "yy---");

    // With 6 free points a normal ability at level 1 can go to 2 (3) but not 3 (3 + 6).
    rows = {NewRules("One", kNormal, 1)};
    const Points points = Update(rows, 7);
    EXPECT_EQ(points.free, 6);
    EXPECT_EQ(Available(rows[0]), "yynnn");
    EXPECT_EQ(Update(rows, 0).free, -1);
    EXPECT_EQ(Available(rows[0]), "ynnnn");
}

TEST_F(RealmAbilityPoints, PrerequisiteChainsLoopsAndMissingAbilities)
{
    const std::array<std::int32_t, kLevelCount> ones = {1, 1, 1, 1, 1};
    // A needs B at 2, B needs C at 2: A's first level costs 2 + 2 + 1.
    std::vector<AbilityRow> rows = {Ability("A", ones, 0, "B", 2), Ability("B", ones, 0, "C", 2),
                                    Ability("C", ones, 1)};
    Update(rows, 1 + 3);
    EXPECT_EQ(Available(rows[0]), "nnnnn");
    Update(rows, 1 + 4);
    EXPECT_EQ(Available(rows[0]), "ynnnn");
    EXPECT_EQ(Available(rows[1]), "yyynn");

    // A loop is walked once round, each ability counted once: A's first level
    // costs B's two, its own two and itself (5); a missing prerequisite is never met.
    rows = {Ability("A", ones, 0, "B", 2), Ability("B", ones, 0, "A", 2), Ability("D", ones, 1, "Nobody", 1)};
    Update(rows, 1 + 5);
    EXPECT_EQ(Available(rows[0]), "ynnnn");
    Update(rows, 50);
    EXPECT_EQ(Available(rows[0]), "yyyyy");
    EXPECT_EQ(Available(rows[2]), "ynnnn");
    UpdateMarks(rows);
    EXPECT_EQ(rows[0].mark + rows[1].mark + rows[2].mark, kNoMark);
}

TEST(RealmAbilityRules, MarksAppearAndClear)
{
    std::vector<AbilityRow> rows = {Ability("A", {1, 1}, 1, "B", 2), Ability("B", {1, 1, 1}, 1),
                                    Ability("C", {1}, 0, "B", 3)};
    UpdateMarks(rows);
    EXPECT_EQ(rows[1].mark, kPrerequisiteMark);
    rows[1].level = 2;
    UpdateMarks(rows);
    EXPECT_EQ(rows[1].mark, kNoMark);
    rows[0].level = 0;
    rows[1].level = 0;
    UpdateMarks(rows);
    EXPECT_EQ(rows[1].mark, kNoMark);
}

TEST(RealmAbilityRules, ClicksClearBuyOrAreRefused)
{
    AbilityRow row = Ability("A", {1, 2, 3, 0, 0}, 3);
    row.available = {true, true, true, false, false};
    const std::tuple<int, int, bool, int> cases[] = {
        {3, 3, false, 0}, {3, 2, false, 2}, {3, 1, false, 1}, {3, 4, true, 3}, {3, 0, true, 3}, {3, 6, true, 3},
        {1, 3, false, 3}, {0, 2, false, 2},
    };
    for (const auto& [level, clicked, ignored, after] : cases) {
        row.level = level;
        EXPECT_EQ(LevelAfterClick(row, clicked, ignored), after) << level << " " << clicked;
    }
    row.level = 1;
    row.available = {true, false, false, false, false};
    EXPECT_EQ(LevelAfterClick(row, 3, false), 1);
    EXPECT_EQ(LevelAfterClick(row, 3, true), 3);
}

class RealmAbilityRows : public ShippedDatabases {};

// By kind: passive ones first, then the separator, then the active ones, each
// by name; by name: no separator. New rules: a header before each group.
TEST_F(RealmAbilityRows, SortOrdersSeparatorsAndHeaders)
{
    CAppSettings settings;
    CGameDatabase& db = *s_english;
    int separatorsFirst = 0;
    for (int cls = 0; cls < db.Classes().Count(); ++cls) {
        CQuillmarDoc doc(db, settings);
        doc.New();
        doc.SetClass(db.Classes().Name(cls));
        doc.ActivateSelection();
        const std::vector<AbilityRow> byKind = OldRulesRows(db, doc, SortMode::ByKind);
        const std::vector<AbilityRow> byName = OldRulesRows(db, doc, SortMode::ByName);
        ASSERT_FALSE(byKind.empty()) << cls;
        std::string kinds;
        for (std::size_t i = 0; i < byKind.size(); ++i) {
            kinds += std::to_string(byKind[i].kind);
            if (i > 0 && byKind[i].kind == byKind[i - 1].kind) {
                EXPECT_LT(byKind[i - 1].name, byKind[i].name);
            }
        }
        EXPECT_EQ(kinds.find_first_not_of('1'), kinds.find('2')) << kinds;
        EXPECT_EQ(kinds.find_first_not_of("12"), kinds.find('2') + 1) << kinds;
        separatorsFirst += kinds[0] == '2' ? 1 : 0;
        EXPECT_EQ(byName.size() + 1, byKind.size());
        for (std::size_t i = 1; i < byName.size(); ++i)
            EXPECT_LT(byName[i - 1].name, byName[i].name);

        const std::vector<AbilityRow> nf = NewRulesRows(db, doc);
        ASSERT_FALSE(nf.empty());
        EXPECT_GE(nf[0].kind, kNfHeader);
        for (std::size_t i = 1; i < nf.size(); ++i) {
            const bool header = nf[i].kind >= kNfHeader;
            EXPECT_EQ(header, nf[i].group != nf[i - 1].group) << nf[i].name;
            EXPECT_FALSE(header && nf[i - 1].kind >= kNfHeader);
        }
    }
    EXPECT_GT(separatorsFirst, 0);
}

}  // namespace
