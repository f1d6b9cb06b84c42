#include "database/CSpellTable.h"

#include <algorithm>

#include "database/CCsvReader.h"

DbResult CSpellTable::LoadSpells(const std::string& folder)
{
    m_records.clear();
    m_indexById.assign(1, -1);
    m_unindexedIds.clear();
    CCsvReader reader;
    if (!reader.Open(DataFilePath(folder, "spells.csv")))
        return DbResult::FileMissing;
    m_records.reserve(reader.LineCount());
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (reader.NextLine()) {
        do {
            CSpellInfo spell;
            spell.id = reader.NextInt();
            spell.name = reader.NextField();
            spell.level = reader.NextInt();
            spell.target = reader.NextField();
            spell.times = reader.NextField();
            spell.range = reader.NextField();
            spell.costs = reader.NextField();
            spell.effect = reader.NextField();
            spell.damageType = reader.NextField();
            m_records.push_back(std::move(spell));
        } while (reader.NextLine());
    }
    BuildIdIndex();
    return DbResult::Loaded;
}

void CSpellTable::BuildIdIndex()
{
    std::int32_t largest = 0;
    for (const CSpellInfo& spell : m_records) {
        if (IsIndexable(spell.id))
            largest = std::max(largest, spell.id);
    }
    m_indexById.assign(static_cast<std::size_t>(largest) + 1, -1);
    m_unindexedIds.clear();
    // File order, so that of two spells with the same id the later one wins.
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const std::int32_t id = m_records[i].id;
        if (IsIndexable(id))
            m_indexById[static_cast<std::size_t>(id)] = static_cast<int>(i);
        else
            m_unindexedIds[id] = static_cast<int>(i);
    }
}

int CSpellTable::FindById(std::int32_t id) const
{
    if (IsIndexable(id))
        return static_cast<std::size_t>(id) < m_indexById.size() ? m_indexById[static_cast<std::size_t>(id)] : -1;
    const auto found = m_unindexedIds.find(id);
    return found == m_unindexedIds.end() ? -1 : found->second;
}

DetailRows CSpellTable::Detail(int index) const
{
    const CSpellInfo& spell = m_records[index];
    DetailRows rows;
    rows.labels = {"name", "level", "Target", "Times", "Range", "Costs", "Effect"};
    rows.values = {spell.name,  std::to_string(spell.level), spell.target, spell.times,
                   spell.range, spell.costs,                 spell.effect};
    return rows;
}
