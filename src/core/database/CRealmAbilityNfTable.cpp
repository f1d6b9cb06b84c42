#include "database/CRealmAbilityNfTable.h"

#include <algorithm>
#include <utility>

#include "database/CClassTable.h"
#include "database/CCsvReader.h"
#include "database/CRealmAbilityTable.h"
#include "database/GameTypes.h"

namespace {

int ParseKind(const std::string& text)
{
    if (EqualsNoCase(text, "active"))
        return kRealmAbilityActive;
    if (EqualsNoCase(text, "passive"))
        return kRealmAbilityPassive;
    return -1;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Resolves the comma-separated class names of one field; false on the first
// name that is no class.
bool ResolveClassList(std::string_view field, const CClassTable& classes, std::vector<int>& result)
{
    while (true) {
        const std::size_t comma = field.find(',');
        const std::string_view part = TrimBlanks(field.substr(0, comma));
        if (!part.empty()) {
            const int classIndex = classes.FindByName(part);
            if (classIndex < 0)
                return false;
            result.push_back(classIndex);
        }
        if (comma == std::string_view::npos)
            return true;
        field.remove_prefix(comma + 1);
    }
}

}  // namespace

DbResult CRealmAbilityNfTable::LoadRealmAbilitiesNf(const std::string& folder, const CClassTable& classes)
{
    m_records.clear();
    m_indexByName.Clear();
    CCsvReader reader;
    if (!reader.Open(DataFilePath(folder, "rasnf.csv")))
        return DbResult::FileMissing;
    m_records.reserve(reader.LineCount());
    if (!reader.NextLine())
        return DbResult::Loaded;
    do {
        CRealmAbilityNfInfo info;
        info.group = reader.NextInt();
        info.name = reader.NextField();
        info.abbreviation = reader.NextField();
        info.kind = ParseKind(reader.NextField());
        if (info.kind < 0)
            return DbResult::UnexpectedValue;
        info.description = reader.NextField();
        // Timed and rank-5 abilities give their reuse text where normal ones
        // have their first caption, and so have one caption fewer.
        std::size_t firstCaption = 0;
        if (info.group != 0) {
            info.reuse = reader.NextField();
            firstCaption = 1;
        }
        for (std::size_t level = 0; level + firstCaption < info.captions.size(); ++level)
            info.captions[level] = reader.NextField();
        if (!ResolveClassList(reader.NextField(), classes, info.classes))
            return DbResult::UnknownClass;
        m_indexByName.Add(info.name, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(info));
    } while (reader.NextLine());
    return DbResult::Loaded;
}

int CRealmAbilityNfTable::FindForClass(std::string_view name, int classIndex) const
{
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const CRealmAbilityNfInfo& info = m_records[i];
        if (EqualsNoCase(info.name, name) &&
            std::find(info.classes.begin(), info.classes.end(), classIndex) != info.classes.end())
            return static_cast<int>(i);
    }
    return -1;
}

RealmAbilityNfSummary CRealmAbilityNfTable::Info(int index) const
{
    const CRealmAbilityNfInfo& info = m_records[index];
    return {info.abbreviation, info.reuse, info.group, info.kind};
}

std::vector<std::string> CRealmAbilityNfTable::ListForClass(int classIndex) const
{
    std::vector<std::string> names;
    for (const CRealmAbilityNfInfo& info : m_records) {
        if (std::find(info.classes.begin(), info.classes.end(), classIndex) != info.classes.end())
            names.push_back(info.name);
    }
    // Names alone: equal names are indistinguishable, so any sort gives the
    // exchange sort's result.
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> CRealmAbilityNfTable::ListAll() const
{
    std::vector<std::string> names;
    names.reserve(m_records.size());
    for (const CRealmAbilityNfInfo& info : m_records)
        names.push_back(info.name);
    return names;
}

std::int32_t CRealmAbilityNfTable::ValueAtLevel(std::string_view name, int level) const
{
    if (level < 1 || level > 5)
        return 0;
    const int index = FindByName(name);
    if (index < 0)
        return 0;
    return ParseLeadingInt(m_records[index].captions[static_cast<std::size_t>(level - 1)]);
}
