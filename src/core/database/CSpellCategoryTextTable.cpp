#include "database/CSpellCategoryTextTable.h"

#include "database/CDatReader.h"
#include "database/GameTypes.h"

namespace {

// A field cannot hold a line break, so the file writes one as backslash-n; the
// markup renderer expects the platform's CR LF.
std::string ExpandLineBreaks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

DbResult CSpellCategoryTextTable::LoadCategoryTexts(const std::string& folder)
{
    m_records.clear();
    m_indexByKey.Clear();
    CDatReader reader;
    if (!reader.Open(DataFilePath(folder, "spellscat_descriptions.dat")))
        return DbResult::FileMissing;
    m_records.reserve(reader.LineCount());
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (!reader.NextLine())
        return DbResult::Loaded;
    do {
        CSpellCategoryText record;
        record.key = reader.NextField();
        record.title = reader.NextField();
        record.text = ExpandLineBreaks(reader.NextField());
        m_indexByKey.Add(record.key, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(record));
    } while (reader.NextLine());
    return DbResult::Loaded;
}
