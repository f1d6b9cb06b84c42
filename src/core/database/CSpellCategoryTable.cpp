#include "database/CSpellCategoryTable.h"

#include <utility>

#include "database/CDatReader.h"
#include "database/CSpellCategoryTextTable.h"
#include "database/CSpellTable.h"
#include "database/LevelSortedNames.h"

DbResult CSpellCategoryTable::LoadCategories(const std::string& folder, const CSpellTable& spells,
                                             const CSpellCategoryTextTable& texts)
{
    m_records.clear();
    m_indexById.clear();
    m_spells = &spells;
    m_texts = &texts;
    CDatReader reader;
    if (!reader.Open(DataFilePath(folder, "spellscat.dat")))
        return DbResult::FileMissing;
    m_records.reserve(reader.LineCount());
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (!reader.NextLine())
        return DbResult::Loaded;
    do {
        CSpellCategoryInfo category;
        category.id = reader.NextInt();
        category.displayMode = reader.NextInt();
        category.name = reader.NextField();
        category.description = texts.FindByKey(category.name);
        if (category.description < 0)
            return DbResult::UnknownSpellLine;
        const std::int32_t count = reader.NextInt();
        for (std::int32_t i = 0; i < count; ++i) {
            // Past the end of the line every entry reads empty and resolves the
            // same way: the first such entry decides, the rest would repeat it.
            const bool lineEnded = reader.AtEndOfLine();
            const int spell = spells.FindById(reader.NextInt());
            if (spell < 0)
                return DbResult::UnknownSpell;
            category.spells.push_back(spell);
            if (lineEnded)
                break;
        }
        m_indexById.emplace(category.id, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(category));
    } while (reader.NextLine());
    return DbResult::Loaded;
}

int CSpellCategoryTable::FindById(std::int32_t id) const
{
    const auto found = m_indexById.find(id);
    return found == m_indexById.end() ? -1 : found->second;
}

std::string CSpellCategoryTable::Description(int index) const
{
    const int text = m_records[index].description;
    if (!m_texts || text < 0 || text >= m_texts->Count())
        return {};
    return m_texts->Text(text);
}

NamedLevels CSpellCategoryTable::Spells(int index) const
{
    return LevelSortedNames(m_spells, m_records[index].spells);
}

int CSpellCategoryTable::BestSpellUpTo(int index, std::int32_t maxLevel) const
{
    if (!m_spells)
        return -1;
    int best = -1;
    for (const int spell : m_records[index].spells) {
        if (spell < 0 || spell >= m_spells->Count())
            continue;
        const std::int32_t level = m_spells->Level(spell);
        // Strictly higher only: among equal levels the first listed stays.
        if (level <= maxLevel && (best < 0 || level > m_spells->Level(best)))
            best = spell;
    }
    return best;
}

int CSpellCategoryTable::FindSpell(int index, std::string_view name, std::int32_t level) const
{
    if (!m_spells)
        return -1;
    for (const int spell : m_records[index].spells) {
        if (spell < 0 || spell >= m_spells->Count())
            continue;
        if (m_spells->Level(spell) == level && EqualsNoCase(m_spells->Name(spell), name))
            return spell;
    }
    return -1;
}
