#include "pages/stats/StatsRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"

namespace stats_rules {

namespace {

std::int32_t CeilToInt(float value)
{
    if (std::isnan(value))
        return 0;
    const float up = std::ceil(value);
    // Keeps the conversion defined for absurd factors in a damaged data file.
    if (up >= static_cast<float>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (up <= static_cast<float>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(up);
}

int WholeLevel(float level)
{
    if (!(level > 0.0f))  // also NaN
        return 0;
    return static_cast<int>(std::min(level, 1e6f));
}

bool IsStat(StatId stat)
{
    return stat >= 0 && stat < kStatCount;
}

}  // namespace

int RaiseCost(int spent)
{
    return 1 + (spent > 9 ? 1 : 0) + (spent > 14 ? 1 : 0);
}

int TotalCost(int spent)
{
    if (spent <= 0)
        return 0;
    return spent + std::max(0, spent - 10) + std::max(0, spent - 15);
}

int FreePoints(const StatValues& spent)
{
    long long cost = 0;
    for (const std::int32_t points : spent)
        cost += TotalCost(std::clamp<std::int32_t>(points, -1, 1'000'000));
    return static_cast<int>(std::max<long long>(kCreationPoints - cost, std::numeric_limits<int>::min()));
}

int ItemCap(float level)
{
    const int whole = WholeLevel(level);
    return whole + whole / 2;
}

std::string CapHeader(int cap)
{
    return "+Cap (" + std::to_string(cap) + ")";
}

std::string FreePointsText(int freePoints)
{
    return freePoints < 0 ? "FEHLER" : std::to_string(freePoints);
}

StepResult StepStat(int spent, int freePoints, int delta)
{
    StepResult result{spent, freePoints, 0};
    // Counted in long long so that the most negative delta has a magnitude.
    for (long long n = delta; n > 0 && result.spent >= 1; --n) {
        result.freePoints += 1 + (result.spent > 10 ? 1 : 0) + (result.spent > 15 ? 1 : 0);
        --result.spent;
        --result.applied;
    }
    for (long long n = delta; n < 0 && result.spent < kMaxSpent; ++n) {
        const int cost = RaiseCost(result.spent);
        if (result.freePoints < cost)
            break;
        result.freePoints -= cost;
        ++result.spent;
        ++result.applied;
    }
    return result;
}

StatsInput GatherStatsInput(const CGameDatabase& database, const CQuillmarDoc& document)
{
    StatsInput input;
    input.level = document.GetLevel();
    input.race = database.RaceStats();
    input.spent = document.GetStatRaises();
    input.atLevel = database.StatsAtLevel(input.level);
    input.withRealmAbilities = document.GetStatTotals();
    input.constitutionAt50 = database.StatsAtLevel(50.0)[1];
    input.classStats = database.ClassStats();
    input.hitPoints = database.ClassHitPoints();
    for (const std::string_view name : {kToughnessGerman, kToughnessEnglish})
        input.toughness += database.RealmAbilityValue(name, document.GetRealmAbilityNf(name));
    return input;
}

std::array<std::int32_t, 3> HitPoints(const StatsInput& input)
{
    const std::int32_t spentConstitution = input.spent[1];
    const std::int32_t constitution = input.constitutionAt50 + spentConstitution;
    std::int32_t t = constitution - constitution % 2 - 50;
    if (t < 0)
        t *= 2;
    const int whole = WholeLevel(input.level);
    const float factor = input.hitPoints.factor;
    const std::int32_t hp1 =
        CeilToInt(static_cast<float>(input.hitPoints.base) + factor * static_cast<float>(t));
    const std::int32_t hp2 = CeilToInt(static_cast<float>(hp1) + 75.0f * factor) + 4 * whole;
    const std::int32_t beyondLevel50 =
        input.withRealmAbilities[1] - spentConstitution - input.constitutionAt50 + 75;
    const std::int32_t hp3 = CeilToInt(static_cast<float>(hp1) + factor * static_cast<float>(beyondLevel50)) +
                             input.toughness + 4 * whole;
    return {hp1, hp2, hp3};
}

StatsModel ComputeStats(const StatsInput& input)
{
    StatsModel model;
    model.cap = ItemCap(input.level);
    model.capHeader = CapHeader(model.cap);
    model.freePoints = FreePoints(input.spent);
    model.freePointsText = FreePointsText(model.freePoints);
    model.hitPoints = HitPoints(input);

    for (std::size_t i = 0; i < model.rows.size(); ++i) {
        StatRow& row = model.rows[i];
        const std::int32_t atLevel = input.atLevel[i] + input.spent[i];
        row.base.value = input.race[i] + input.spent[i];
        if (input.spent[i] != 0)
            row.base.text = kSpentText;
        row.atLevel.value = atLevel;
        row.itemCap.value = atLevel + model.cap;
        row.withRealmAbilities.value = input.withRealmAbilities[i] + model.cap;
        if (input.withRealmAbilities[i] != atLevel)
            row.withRealmAbilities.text = kSpentText;
    }

    // A class that names one stat twice keeps the stronger highlight.
    const std::array<std::pair<StatId, MarkupColor>, 3> highlights = {{
        {input.classStats.tertiary, kTertiaryBackground},
        {input.classStats.secondary, kSecondaryBackground},
        {input.classStats.primary, kPrimaryBackground},
    }};
    for (const auto& [stat, colour] : highlights) {
        if (IsStat(stat))
            model.rows[static_cast<std::size_t>(stat)].base.background = colour;
    }
    if (IsStat(input.classStats.casting))
        model.rows[static_cast<std::size_t>(input.classStats.casting)].atLevel.text = kCastingText;
    return model;
}

std::vector<AbilityRow> AbilityRows(const ClassAbilityList& abilities)
{
    const std::size_t count =
        std::min({abilities.names.size(), abilities.levels.size(), abilities.kinds.size()});
    std::vector<AbilityRow> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        AbilityRow row;
        const std::int32_t level = abilities.levels[i];
        if (level <= 50)
            row.level = std::to_string(level);
        row.kind = abilities.kinds[i];
        if (row.kind == kAbilityTrainableLine)
            row.train = "x";
        row.name = abilities.names[i];
        switch (row.kind) {
        case kAbilityTrainableLine:
        case kAbilitySpecialisation:
            row.background = kLineBackground;
            break;
        case kAbilityArmour:
            row.background = kArmourShieldBackground;
            row.text = kArmourText;
            break;
        case kAbilityShield:
            row.background = kArmourShieldBackground;
            row.text = kShieldText;
            break;
        default:
            break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace stats_rules
