#include "database/CSpellLineTable.h"

#include "database/CDatReader.h"
#include "database/CSpellCategoryTable.h"
#include "database/GameTypes.h"

namespace {

// Reads a count and that many category ids into the list; false on the first
// id without a category.
bool ReadCategoryIds(CDatReader& reader, const CSpellCategoryTable& categories, std::vector<int>& list)
{
    const std::int32_t count = reader.NextInt();
    for (std::int32_t i = 0; i < count; ++i) {
        // Past the end of the line every entry reads empty and resolves the same
        // way: the first such entry decides, the rest would repeat it.
        const bool lineEnded = reader.AtEndOfLine();
        const int category = categories.FindById(reader.NextInt());
        if (category < 0)
            return false;
        list.push_back(category);
        if (lineEnded)
            break;
    }
    return true;
}

}  // namespace

DbResult CSpellLineTable::LoadSpellLines(const std::string& folder, const CSpellCategoryTable& categories)
{
    m_records.clear();
    m_indexById.clear();
    m_indexByName.Clear();
    m_categories = &categories;
    CDatReader reader;
    if (!reader.Open(DataFilePath(folder, "spelllines.dat")))
        return DbResult::FileMissing;
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (!reader.NextLine())
        return DbResult::Loaded;
    do {
        CSpellLineInfo line;
        line.id = reader.NextInt();
        line.tag = reader.NextField();
        line.name = reader.NextField();
        if (!ReadCategoryIds(reader, categories, line.baseCategories))
            return DbResult::UnknownSpellCategory;
        // A name starting with "0" marks a line without a specialisation part and
        // ends the record.
        std::string specName = reader.NextField();
        if (specName.empty() || specName[0] != '0') {
            line.specName = std::move(specName);
            if (!ReadCategoryIds(reader, categories, line.specCategories))
                return DbResult::UnknownSpellCategory;
        }
        m_indexById.emplace(line.id, static_cast<int>(m_records.size()));
        m_indexByName.Add(line.name, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(line));
    } while (reader.NextLine());
    return DbResult::Loaded;
}

int CSpellLineTable::FindById(std::int32_t id) const
{
    const auto found = m_indexById.find(id);
    return found == m_indexById.end() ? -1 : found->second;
}

const std::vector<int>& CSpellLineTable::Categories(int index, bool base) const
{
    const CSpellLineInfo& line = m_records[index];
    return base ? line.baseCategories : line.specCategories;
}

std::vector<std::string> CSpellLineTable::CategoryNames(int index, bool base) const
{
    std::vector<std::string> names;
    if (!m_categories)
        return names;
    for (const int category : Categories(index, base)) {
        if (category >= 0 && category < m_categories->Count())
            names.push_back(m_categories->Name(category));
    }
    return names;
}

int CSpellLineTable::FindCategory(int index, std::string_view name, bool base) const
{
    if (!m_categories)
        return -1;
    for (const int category : Categories(index, base)) {
        if (category >= 0 && category < m_categories->Count() && EqualsNoCase(m_categories->Name(category), name))
            return category;
    }
    return -1;
}
