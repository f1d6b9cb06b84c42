#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/stats/StatsRules.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace stats_rules;

constexpr int kStr = 0, kCon = 1, kDex = 2, kQui = 3, kInt = 4, kPie = 5;
constexpr int kIntMin = std::numeric_limits<int>::min(), kIntMax = std::numeric_limits<int>::max();

TEST(StatsRules, CreationPoints)
{
    for (const auto& [spent, cost] :
         {std::pair{-3, 0}, {1, 1}, {10, 10}, {11, 12}, {15, 20}, {16, 23}, {18, 29}})
        EXPECT_EQ(TotalCost(spent), cost) << spent;
    EXPECT_EQ(FreePoints({18, 0, 0, 0, 0, 0, 0, 0}), 1);
    EXPECT_EQ(FreePoints({18, 18, 0, 0, 0, 0, 0, 0}), -28);
    EXPECT_EQ(FreePointsText(0) + FreePointsText(-1), "0FEHLER");
    for (const auto& [level, cap] : {std::pair{50.0f, 75}, {5.0f, 7}, {40.5f, 60}, {39.9f, 58}, {0.0f, 0}})
        EXPECT_EQ(ItemCap(level), cap) << level;

    // spent, free, delta -> spent, free, applied: delta < 0 raises while the free points pay,
    // delta > 0 lowers and refunds.
    const std::array<int, 6> steps[] = {
        {9, 21, -1, 10, 20, 1},  {10, 20, -1, 11, 18, 1},     {14, 12, -1, 15, 10, 1},
        {15, 10, -1, 16, 7, 1},  {14, 4, -3, 15, 2, 1},       {16, 7, 1, 15, 10, -1},
        {11, 18, 1, 10, 20, -1}, {10, 20, 1, 9, 21, -1},      {1, 0, 1, 0, 1, -1},
        {7, 23, 0, 7, 23, 0},    {0, 30, kIntMin, 18, 1, 18}, {18, 1, kIntMax, 0, 30, -18}};
    for (const auto& [spent, free, delta, toSpent, toFree, applied] : steps) {
        const StepResult result = StepStat(spent, free, delta);
        EXPECT_EQ(std::tuple(result.spent, result.freePoints, result.applied),
                  std::tuple(toSpent, toFree, applied))
            << spent << " " << free << " by " << delta;
    }
}

TEST(StatsRules, HitPoints)
{
    struct Case {
        int con50, spentCon, base;
        float factor, level;
        int conWithAbilities, toughness;
        std::array<std::int32_t, 3> hitPoints;
    };
    // Constitution C = at 50 + spent, made even; t = C - 50, doubled when negative; rounded up.
    const Case cases[] = {
        {49, 0, 920, 13.0f, 50.0f, 49, 0, {868, 868 + 975 + 200, 868 + 975 + 200}},
        {52, 0, 520, 7.3f, 50.0f, 52, 0, {535, 535 + 548 + 200, 535 + 548 + 200}},
        // A realm ability's constitution (+8) and hit points (+80); the level adds 4 each.
        {80, 4, 920, 13.0f, 50.0f, 92, 80, {1362, 1362 + 975 + 200, 1362 + 13 * 83 + 80 + 200}},
        {80, 4, 920, 13.0f, 20.5f, 64, 80, {1362, 1362 + 975 + 80, 1362 + 13 * 55 + 80 + 80}},
    };
    for (const Case& c : cases) {
        StatsInput input;
        input.level = c.level;
        input.constitutionAt50 = c.con50;
        input.spent[kCon] = c.spentCon;
        input.withRealmAbilities[kCon] = c.conWithAbilities;
        input.hitPoints = {c.base, c.factor};
        input.toughness = c.toughness;
        EXPECT_EQ(HitPoints(input), c.hitPoints) << c.con50 << " " << c.level;
    }
}

TEST(StatsRules, ColumnsAndColours)
{
    StatsInput input;
    input.level = 50.0f;
    input.race = {60, 60, 60, 60, 60, 60, 60, 60};
    input.atLevel = {105, 83, 75, 60, 60, 60, 60, 60};
    input.classStats = {kStr, kCon, kDex, kInt};
    input.spent = {5, 0, 0, 2, 0, 0, 0, 0};
    input.withRealmAbilities = {105 + 5 + 8, 83, 75, 62, 60, 64, 60, 60};  // +8 and +4 from realm abilities
    const StatsModel model = ComputeStats(input);
    EXPECT_EQ(model.freePoints, 23);
    const StatRow& strength = model.rows[kStr];
    EXPECT_EQ(std::vector<int>({strength.base.value, strength.atLevel.value, strength.itemCap.value,
                                strength.withRealmAbilities.value}),
              (std::vector<int>{65, 110, 185, 193}));
    using Colour = std::optional<MarkupColor>;
    const std::tuple<int, Colour, Colour, Colour, Colour> colours[] = {
        {kStr, kSpentText, kPrimaryBackground, {}, kSpentText},
        {kCon, {}, kSecondaryBackground, {}, {}},
        {kDex, {}, kTertiaryBackground, {}, {}},
        {kQui, kSpentText, {}, {}, {}},
        {kInt, {}, {}, kCastingText, {}},
        {kPie, {}, {}, {}, kSpentText}};
    for (const auto& [stat, baseText, baseBack, atLevelText, withRaText] : colours) {
        const StatRow& row = model.rows[static_cast<std::size_t>(stat)];
        EXPECT_EQ(
            std::tuple(row.base.text, row.base.background, row.atLevel.text, row.withRealmAbilities.text),
            std::tuple(baseText, baseBack, atLevelText, withRaText))
            << stat;
        EXPECT_FALSE(row.itemCap.text || row.itemCap.background || row.atLevel.background) << stat;
    }

    // Rows up to the shortest of the three lists; no level shown above 50.
    ClassAbilityList list{
        {"Blades", "Plate", "Large", "Fifty", "Late", "Unpaired"},
        {1, 20, 16, 50, 51},
        {kAbilityTrainableLine, kAbilityArmour, kAbilityShield, kAbilityPlain, kAbilityPlain, 0}};
    using Ability = std::tuple<std::string, std::string, Colour, Colour>;
    std::vector<Ability> abilities;
    for (const AbilityRow& row : AbilityRows(list))
        abilities.emplace_back(row.level, row.train, row.text, row.background);
    EXPECT_EQ(abilities, (std::vector<Ability>{{"1", "x", {}, kLineBackground},
                                               {"20", "", kArmourText, kArmourShieldBackground},
                                               {"16", "", kShieldText, kArmourShieldBackground},
                                               {"50", "", {}, {}},
                                               {"", "", {}, {}}}));
}

class StatsRulesShipped : public ShippedDatabases {};

// The hit-point realm ability under the German data's name.
TEST_F(StatsRulesShipped, GermanToughnessAddsHitPoints)
{
    CAppSettings settings;
    CQuillmarDoc doc(*s_german, settings);
    doc.SetClass("Bannerritter");
    doc.ActivateSelection();
    const StatsModel before = ComputeStats(GatherStatsInput(*s_german, doc));
    doc.SetRealmAbilityNf("Belastbarkeit", 2);
    EXPECT_EQ(ComputeStats(GatherStatsInput(*s_german, doc)).hitPoints[2], before.hitPoints[2] + 80);
}

}  // namespace
