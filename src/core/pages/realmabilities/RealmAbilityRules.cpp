#include "pages/realmabilities/RealmAbilityRules.h"

#include <algorithm>
#include <cstdio>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/RealmRank.h"

namespace ra_rules {

namespace {

constexpr int kTimedSlices = 3;
constexpr int kCoopFromLevel = 20;
constexpr std::array<std::array<std::int32_t, kLevelCount>, 3> kGroupCosts = {{
    {1, 3, 6, 10, 14},
    {5, 10, 15, 0, 0},
    {0, 0, 0, 0, 0},
}};

std::string Formatted(const char* format, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool KnownGroup(int group)
{
    return group >= 0 && group < static_cast<int>(kGroupCosts.size());
}

// The exchange sort both pages use: every pair i < j, swapped when row i must
// come after row j.
template <typename ComesAfter>
void ExchangeSort(std::vector<AbilityRow>& rows, ComesAfter comesAfter)
{
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (comesAfter(rows[i], rows[j]))
                std::swap(rows[i], rows[j]);
}

int FindRow(const std::vector<AbilityRow>& rows, std::string_view name)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].IsHeader() && rows[i].name == name)
            return static_cast<int>(i);
    return -1;
}

// Points the prerequisite chain of a row still lacks. False when the chain
// names an ability that is not listed: it can never be met.
bool ChainExtra(const std::vector<AbilityRow>& rows, std::size_t start, int& extra)
{
    std::vector<bool> visited(rows.size(), false);
    visited[start] = true;
    const AbilityRow* row = &rows[start];
    while (row->requiredLevel > 0) {
        const int found = FindRow(rows, row->prerequisite);
        if (found < 0)
            return false;
        const AbilityRow& prerequisite = rows[static_cast<std::size_t>(found)];
        for (int level = prerequisite.level + 1; level <= std::min(row->requiredLevel, kLevelCount); ++level)
            extra += prerequisite.costs[static_cast<std::size_t>(level - 1)];
        if (visited[static_cast<std::size_t>(found)])
            break;  // a chain that loops: each ability counted once round
        visited[static_cast<std::size_t>(found)] = true;
        row = &prerequisite;
    }
    return true;
}

}  // namespace

bool AbilityRow::HasButton(int level1to5) const
{
    return level1to5 >= 1 && level1to5 <= kLevelCount && !captions[static_cast<std::size_t>(level1to5 - 1)].empty();
}

std::string AbilityRow::NeedsText() const
{
    return requiredLevel > 0 ? prerequisite + Formatted(" (L%i)", requiredLevel) : std::string();
}

std::string_view AbilityRow::KindText() const
{
    switch (kind) {
    case kActive: return "Active";
    case kPassive: return "Passive";
    default: return {};
    }
}

std::array<std::int32_t, kLevelCount> GroupCosts(int group)
{
    return KnownGroup(group) ? kGroupCosts[static_cast<std::size_t>(group)] : std::array<std::int32_t, kLevelCount>{};
}

std::array<std::string, kLevelCount> GroupHeaderCaptions(int group)
{
    std::array<std::string, kLevelCount> captions;
    if (group == kNormal || group == kTimed)
        for (std::size_t level = 0; level < captions.size(); ++level)
            if (const std::int32_t cost = GroupCosts(group)[level]; cost > 0)
                captions[level] = Formatted("%i", cost);
    return captions;
}

std::string_view GroupHeaderName(int group)
{
    switch (group) {
    case kNormal: return "Normal";
    case kTimed: return "Timed";
    case kAtRealmRank5: return "at RR5";
    default: return {};
    }
}

int SliceCount(const AbilityRow& row)
{
    return row.group == kTimed ? kTimedSlices : kLevelCount;
}

std::string ReuseText(std::int32_t seconds)
{
    if (seconds <= 0)
        return {};
    if (seconds <= 60)
        return Formatted("%i sec", seconds);
    return Formatted("%i min", seconds / 60);
}

int CoopBonus(const CQuillmarDoc& doc)
{
    if (doc.GetOption(doc_option::CoopMode) == 0)
        return 0;
    return std::max(0, static_cast<int>(doc.GetLevel()) - kCoopFromLevel);
}

NeededRank NeededRankFor(int used, int coopBonus)
{
    const int needed = std::max(0, used - coopBonus);
    NeededRank rank;
    if (needed > realm_rank::kMaxCode) {
        rank.realmRank = "impossible";
    } else {
        char text[32];
        std::snprintf(text, sizeof text, "R%iL%i", needed / 10 + 1, needed % 10);
        rank.realmRank = text;
    }
    rank.realmPoints = realm_rank::PointsText(needed) + " RPs";
    return rank;
}

std::vector<AbilityRow> OldRulesRows(CGameDatabase& database, const CQuillmarDoc& doc, SortMode sort)
{
    const DatabaseSelection remembered = database.Selection();
    const RealmAbilityListing listing = database.RealmAbilityList();
    std::vector<AbilityRow> rows;
    for (std::size_t i = 0; i < listing.names.size() && i < listing.kinds.size(); ++i) {
        AbilityRow row;
        row.name = listing.names[i];
        row.kind = listing.kinds[i];
        database.SelectRealmAbility(row.name);
        if (const std::optional<RealmAbilityDetails> detail = database.RealmAbilityDetail()) {
            row.prerequisite = detail->prerequisite.name;
            row.requiredLevel = detail->prerequisite.level;
            row.costs = detail->costs;
            row.reuse = ReuseText(detail->reuse);
            row.description = detail->description;
        }
        for (std::size_t level = 0; level < row.costs.size(); ++level)
            if (row.costs[level] > 0)
                row.captions[level] = Formatted("%i", row.costs[level]);
        row.level = doc.GetRealmAbility(row.name);
        rows.push_back(std::move(row));
    }
    database.RestoreSelection(remembered);

    if (sort == SortMode::ByName) {
        ExchangeSort(rows, [](const AbilityRow& a, const AbilityRow& b) { return a.name > b.name; });
        return rows;
    }
    ExchangeSort(rows, [](const AbilityRow& a, const AbilityRow& b) {
        return a.kind < b.kind || (a.kind == b.kind && a.name > b.name);
    });
    const auto firstActive =
        std::find_if(rows.begin(), rows.end(), [](const AbilityRow& row) { return row.kind == kActive; });
    if (firstActive != rows.end()) {
        AbilityRow separator;
        separator.kind = kSeparator;
        separator.mark = kSeparatorMark;
        rows.insert(firstActive, std::move(separator));
    }
    return rows;
}

std::vector<AbilityRow> NewRulesRows(CGameDatabase& database, const CQuillmarDoc& doc)
{
    const DatabaseSelection remembered = database.Selection();
    std::vector<AbilityRow> abilities;
    for (const std::string& name : database.RealmAbilityNfList()) {
        AbilityRow row;
        row.name = name;
        database.SelectRealmAbilityNf(name);
        if (const std::optional<RealmAbilityNfDetails> detail = database.RealmAbilityNfDetail()) {
            row.abbreviation = detail->info.abbreviation;
            row.kind = detail->info.kind;
            row.group = detail->info.group;
            row.reuse = detail->info.reuse;
            row.captions = detail->captions;
            row.description = detail->description;
        }
        row.costs = GroupCosts(row.group);
        row.level = doc.GetRealmAbilityNf(name);
        abilities.push_back(std::move(row));
    }
    database.RestoreSelection(remembered);

    ExchangeSort(abilities, [](const AbilityRow& a, const AbilityRow& b) {
        return a.group > b.group || (a.group == b.group && a.name > b.name);
    });
    std::vector<AbilityRow> rows;
    for (AbilityRow& ability : abilities) {
        if (rows.empty() || rows.back().group != ability.group) {
            AbilityRow header;
            header.name = GroupHeaderName(ability.group);
            header.kind = kNfHeader + ability.group;
            header.group = ability.group;
            header.captions = GroupHeaderCaptions(ability.group);
            rows.push_back(std::move(header));
        }
        rows.push_back(std::move(ability));
    }
    return rows;
}

Points UpdatePoints(std::vector<AbilityRow>& rows, const CQuillmarDoc& doc)
{
    Points points;
    points.available = doc.GetEffectiveRealmRank();
    for (const AbilityRow& row : rows)
        if (!row.IsHeader())
            for (int level = 1; level <= std::min(row.level, kLevelCount); ++level)
                if (row.HasButton(level))
                    points.used += row.costs[static_cast<std::size_t>(level - 1)];
    points.free = points.available - points.used;
    points.needed = NeededRankFor(points.used, CoopBonus(doc));

    for (std::size_t i = 0; i < rows.size(); ++i) {
        AbilityRow& row = rows[i];
        row.available.fill(false);
        if (row.IsHeader())
            continue;
        for (int level = 1; level <= std::min(row.level, kLevelCount); ++level)
            row.available[static_cast<std::size_t>(level - 1)] = true;
        int extra = 0;
        if (!ChainExtra(rows, i, extra))
            continue;
        for (int level = std::max(row.level, 0) + 1; level <= kLevelCount && row.HasButton(level); ++level) {
            extra += row.costs[static_cast<std::size_t>(level - 1)];
            row.available[static_cast<std::size_t>(level - 1)] = extra <= points.free;
        }
    }
    return points;
}

void UpdateMarks(std::vector<AbilityRow>& rows)
{
    for (AbilityRow& row : rows)
        if (!row.IsHeader())
            row.mark = kNoMark;
    for (const AbilityRow& row : rows) {
        if (row.IsHeader() || row.requiredLevel <= 0 || row.level <= 0)
            continue;
        const int found = FindRow(rows, row.prerequisite);
        if (found >= 0 && rows[static_cast<std::size_t>(found)].level < row.requiredLevel)
            rows[static_cast<std::size_t>(found)].mark = kPrerequisiteMark;
    }
}

int LevelAfterClick(const AbilityRow& row, int clickedLevel, bool pointsIgnored)
{
    if (row.IsHeader() || !row.HasButton(clickedLevel))
        return row.level;
    if (clickedLevel == row.level)
        return 0;
    if (!pointsIgnored && !row.available[static_cast<std::size_t>(clickedLevel - 1)])
        return row.level;
    return clickedLevel;
}

bool PointsIgnored(const CQuillmarDoc& doc)
{
    return doc.GetOption(doc_option::CheckRAPoints) != 0;
}

bool Click(std::vector<AbilityRow>& rows, std::size_t row, int clickedLevel, CQuillmarDoc& doc, Rules rules,
           Points& points)
{
    if (row >= rows.size())
        return false;
    AbilityRow& ability = rows[row];
    const int level = LevelAfterClick(ability, clickedLevel, PointsIgnored(doc));
    if (level == ability.level)
        return false;
    ability.level = level;
    if (rules == Rules::Old)
        doc.SetRealmAbility(ability.name, level);
    else
        doc.SetRealmAbilityNf(ability.name, level);
    points = UpdatePoints(rows, doc);
    UpdateMarks(rows);
    return true;
}

}  // namespace ra_rules
