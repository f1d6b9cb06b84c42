#include "pages/spells/SpellsRules.h"

#include <cstdio>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"

namespace spells_rules {

namespace {

// Detail positions 2 … 6 fill the columns from Target on.
constexpr std::size_t kFirstDetailShown = 2;

std::string LevelText(std::int32_t level)
{
    char text[16];
    std::snprintf(text, sizeof text, "%i", level);
    return text;
}

void AddGroupRows(CGameDatabase& database, const std::string& groupName, bool base, int limit,
                  const SpellsOptions& options, std::vector<SpellRow>& rows)
{
    database.SelectSpellCategory(groupName, base);
    const NamedLevels spells = database.SpellNames();
    const std::size_t count = std::min(spells.names.size(), spells.levels.size());
    bool reachable = false;
    for (std::size_t i = 0; i < count; ++i)
        reachable = reachable || spells.levels[i] <= limit;
    if (!reachable)
        return;

    const std::size_t groupRow = rows.size();
    SpellRow group;
    group.kind = RowKind::Group;
    group.cells[kNameColumn] = groupName;
    rows.push_back(group);
    const int lowest = LowestShownLevel(spells.levels, limit, database.CategoryDisplayMode(), options.onlyTop);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t level = spells.levels[i];
        if (level < lowest || level > limit)
            continue;
        database.SelectSpell(spells.names[i], level);
        const DetailRows detail = database.SpellDetail();
        SpellRow spell;
        spell.kind = RowKind::Spell;
        spell.cells[kNameColumn] = options.typeAsName ? groupName : spells.names[i];
        spell.cells[kLevelColumn] = LevelText(level);
        for (std::size_t column = kTargetColumn; column < kColumnCount; ++column) {
            const std::size_t position = kFirstDetailShown + (column - kTargetColumn);
            if (position < detail.values.size())
                spell.cells[column] = detail.values[position];
        }
        // With the type as name the group row itself becomes the spell row,
        // so that only the last spell written stays.
        if (options.typeAsName)
            rows[groupRow] = std::move(spell);
        else
            rows.push_back(std::move(spell));
    }
}

}  // namespace

std::vector<std::string> ColumnTitles()
{
    return {"Name", "Level", "Target", "Cast/Duration/Recast", "Range/Radius", "Cost", "Effect"};
}

SpellsOptions StoredOptions(const CQuillmarDoc& doc)
{
    return {doc.GetOption(kShowAllSpells) != 0, doc.GetOption(kShowOnlyTopSpells) != 0,
            doc.GetOption(kUseSpellTypeAsName) != 0};
}

std::optional<MarkupColor> Background(RowKind kind)
{
    switch (kind) {
    case RowKind::LineHeader: return kLineHeaderBackground;
    case RowKind::Group: return kGroupBackground;
    case RowKind::SpecHeader: return kSpecHeaderBackground;
    case RowKind::Spell: break;
    }
    return std::nullopt;
}

int LowestShownLevel(const std::vector<std::int32_t>& levels, int limit, int displayMode, bool onlyTop)
{
    if (!onlyTop || displayMode == 2)
        return 0;
    int top = 0;
    for (const std::int32_t level : levels)
        if (level <= limit && level > top)
            top = level;
    if (displayMode != 1)
        return top;
    // The best level the walk had found when it reached the top one.
    int second = 0;
    for (const std::int32_t level : levels) {
        if (level > limit)
            continue;
        if (level == top)
            break;
        if (level > second)
            second = level;
    }
    return second;
}

std::vector<SpellRow> BuildRows(CGameDatabase& database, const CQuillmarDoc& doc, const SpellsOptions& options)
{
    const DatabaseSelection remembered = database.Selection();
    const int baseLimit = options.showAll ? kAllSpellsLevel : static_cast<int>(doc.GetLevel());
    std::vector<SpellRow> rows;
    // Pairs of line name and specialisation name, one pair per line.
    const std::vector<std::string> lines = database.SpellLineNamesWithSpec();
    for (std::size_t line = 0; line + 1 < lines.size(); line += 2) {
        const std::string& lineName = lines[line];
        SpellRow header;
        header.kind = RowKind::LineHeader;
        header.cells[kNameColumn] = lineName;
        rows.push_back(header);

        database.SelectSpellLine(lineName);
        const std::vector<std::string> baseGroups = database.SpellCategoryNames(true);
        const std::vector<std::string> specGroups = database.SpellCategoryNames(false);
        for (const std::string& group : baseGroups)
            AddGroupRows(database, group, true, baseLimit, options, rows);
        const int specLimit = options.showAll ? kAllSpellsLevel : doc.GetSpecLevel(lineName);
        if (!baseGroups.empty()) {
            SpellRow subHeader;
            subHeader.kind = RowKind::SpecHeader;
            subHeader.cells[kNameColumn] = lines[line + 1];
            rows.push_back(subHeader);
        }
        for (const std::string& group : specGroups)
            AddGroupRows(database, group, false, specLimit, options, rows);
    }
    database.RestoreSelection(remembered);
    return rows;
}

}  // namespace spells_rules
