#include "pages/resists/ResistsRules.h"

#include <algorithm>
#include <cstdlib>

#include "database/CGameDatabase.h"

namespace resists_rules {

namespace {

// Appends the rows of the selected line's part named partName.
void AddPartRows(CGameDatabase& database, const std::string& partName, bool base, std::vector<ResistRow>& rows)
{
    if (partName.empty())
        return;
    for (const std::string& category : database.SpellCategoryNames(base)) {
        database.SelectSpellCategory(category, base);
        const NamedLevels spells = database.SpellNames();
        // A category without spells has no first spell to take a damage type from.
        if (spells.names.empty() || spells.levels.size() != spells.names.size())
            continue;
        database.SelectSpell(spells.names.front(), spells.levels.front());
        std::string damageType = database.SpellDamageType();
        if (damageType.empty())
            continue;
        rows.push_back({database.RealmNameOfSelection(), std::move(damageType), category, database.ClassName(),
                        partName});
    }
}

}  // namespace

std::vector<std::string> ColumnTitles()
{
    return {"Realm", "DamType", "Effect", "Class", "Spell Line"};
}

std::vector<ResistRow> BuildRows(CGameDatabase& database, const TickedRealms& realms)
{
    const DatabaseSelection remembered = database.Selection();
    std::vector<ResistRow> rows;
    const std::vector<std::string> realmNames = CGameDatabase::RealmNames();
    for (std::size_t realm = 0; realm < realmNames.size() && realm < realms.size(); ++realm) {
        if (!realms[realm])
            continue;
        database.SelectRealmByCode(realmNames[realm]);
        for (const std::string& className : database.ClassNames()) {
            database.SelectClass(className);
            // Pairs of base name and specialisation name, one pair per line.
            const std::vector<std::string> parts = database.SpellLineNamesWithSpec();
            for (std::size_t line = 0; line + 1 < parts.size(); line += 2) {
                database.SelectSpellLine(parts[line]);
                AddPartRows(database, parts[line], true, rows);
                AddPartRows(database, parts[line + 1], false, rows);
            }
        }
    }
    database.RestoreSelection(remembered);
    return rows;
}

int SortStateAfterClick(int sortState, int clickedColumn)
{
    const int ascending = clickedColumn + 1;
    return sortState == ascending ? -ascending : ascending;
}

int CompareBytes(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(a[i]);
        const auto right = static_cast<unsigned char>(b[i]);
        if (left != right)
            return left < right ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void SortRows(std::vector<ResistRow>& rows, int sortState)
{
    if (sortState == 0 || sortState < -kColumnCount || sortState > kColumnCount)
        return;
    const int column = std::abs(sortState) - 1;
    const bool descending = sortState < 0;
    std::stable_sort(rows.begin(), rows.end(), [column, descending](const ResistRow& a, const ResistRow& b) {
        const int order = CompareBytes(a[static_cast<std::size_t>(column)], b[static_cast<std::size_t>(column)]);
        return descending ? order > 0 : order < 0;
    });
}

}  // namespace resists_rules
