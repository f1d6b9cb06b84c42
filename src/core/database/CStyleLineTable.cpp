#include "database/CStyleLineTable.h"

#include <utility>

#include "database/CDatReader.h"
#include "database/CStyleTable.h"
#include "database/ExchangeSort.h"

DbResult CStyleLineTable::LoadStyleLines(const std::string& folder, const CStyleTable& styles)
{
    m_records.clear();
    m_indexById.clear();
    m_indexByName.clear();
    m_styles = &styles;
    CDatReader reader;
    if (!reader.Open(DataFilePath(folder, "stylelines.dat")))
        return DbResult::FileMissing;
    DbResult result = DbResult::Loaded;
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (!reader.NextLine())
        return result;
    do {
        CStyleLineInfo line;
        line.id = reader.NextInt();
        line.name = reader.NextField();
        const std::int32_t count = reader.NextInt();
        for (std::int32_t i = 0; i < count; ++i) {
            // Past the end of the line every entry reads empty and resolves the
            // same way: the first such entry decides, the rest would repeat it.
            const bool lineEnded = reader.AtEndOfLine();
            const int style = styles.FindById(reader.NextInt());
            // A missing style costs only itself: the line keeps its other styles.
            if (style < 0)
                result = DbResult::UnknownStyle;
            else
                line.styles.push_back(style);
            if (lineEnded)
                break;
        }
        m_indexById.emplace(line.id, static_cast<int>(m_records.size()));
        m_indexByName.try_emplace(line.name, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(line));
    } while (reader.NextLine());
    return result;
}

int CStyleLineTable::FindById(std::int32_t id) const
{
    const auto found = m_indexById.find(id);
    return found == m_indexById.end() ? -1 : found->second;
}

int CStyleLineTable::FindByName(std::string_view name) const
{
    const auto found = m_indexByName.find(name);
    return found == m_indexByName.end() ? -1 : found->second;
}

int CStyleLineTable::FindStyle(int index, std::string_view name) const
{
    if (!m_styles)
        return -1;
    for (const int style : m_records[index].styles) {
        if (style >= 0 && style < m_styles->Count() && EqualsNoCase(m_styles->Name(style), name))
            return style;
    }
    return -1;
}

NamedLevels CStyleLineTable::StyleList(int index) const
{
    NamedLevels list;
    if (!m_styles)
        return list;
    for (const int style : m_records[index].styles) {
        if (style < 0 || style >= m_styles->Count())
            continue;
        list.names.push_back(m_styles->Name(style));
        list.levels.push_back(m_styles->Level(style));
    }
    // Deliberately this exchange sort and not a stable one: styles of equal level
    // must come out in the order it gives, wherever the list is shown.
    const std::size_t n = list.levels.size();
    ExchangeSort(
        n, [&](std::size_t i, std::size_t j) { return list.levels[i] > list.levels[j]; },
        [&](std::size_t i, std::size_t j) {
            std::swap(list.levels[i], list.levels[j]);
            std::swap(list.names[i], list.names[j]);
        });
    return list;
}
