#include "database/CStyleLineTable.h"

#include <utility>

#include "database/CDatReader.h"
#include "database/CStyleTable.h"
#include "database/LevelSortedNames.h"

DbResult CStyleLineTable::LoadStyleLines(const std::string& folder, const CStyleTable& styles)
{
    m_records.clear();
    m_indexById.clear();
    m_indexByName.Clear();
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
        m_indexByName.Add(line.name, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(line));
    } while (reader.NextLine());
    return result;
}

int CStyleLineTable::FindById(std::int32_t id) const
{
    const auto found = m_indexById.find(id);
    return found == m_indexById.end() ? -1 : found->second;
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
    return LevelSortedNames(m_styles, m_records[index].styles);
}
