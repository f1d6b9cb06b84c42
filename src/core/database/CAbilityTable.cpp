#include "database/CAbilityTable.h"

#include <string>
#include <utility>

#include "database/CClassTable.h"
#include "database/CDatReader.h"
#include "database/CSpellLineTable.h"
#include "database/CStyleLineTable.h"
#include "database/ExchangeSort.h"
#include "database/GameTypes.h"

namespace {

// Kind markers are compared with the data's Windows-1252 bytes.
constexpr const char* kArmourMarkers[] = {"Armor:", "R\xFC" "stung:"};
constexpr const char* kShieldMarkers[] = {"Shields:", "Schilde:"};

template <std::size_t N>
bool ContainsAny(const std::string& text, const char* const (&markers)[N])
{
    for (const char* marker : markers) {
        if (text.find(marker) != std::string::npos)
            return true;
    }
    return false;
}

int KindOfAbility(const std::string& name)
{
    if (ContainsAny(name, kArmourMarkers))
        return kAbilityArmour;
    if (ContainsAny(name, kShieldMarkers))
        return kAbilityShield;
    return kAbilityPlain;
}

// Reads a count and that many entries through `readEntry`, which returns false
// to end the load. Once the record's line has ended every further entry reads
// the same empty fields and would be handled the same way, so the first such
// entry decides and the rest are not read: a huge count cannot loop for long.
template <typename ReadEntry>
bool ReadCountedEntries(CDatReader& reader, ReadEntry&& readEntry)
{
    const std::int32_t count = reader.NextInt();
    for (std::int32_t i = 0; i < count; ++i) {
        const bool lineEnded = reader.AtEndOfLine();
        if (!readEntry())
            return false;
        if (lineEnded)
            break;
    }
    return true;
}

// Position of `line` in a class's line list, or -1.
int PositionOf(const std::vector<int>& lines, int line)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == line)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

DbResult CAbilityTable::LoadAbilities(const std::string& folder, const CClassTable& classes,
                                      const CSpellLineTable& spellLines, const CStyleLineTable& styleLines)
{
    m_names.clear();
    m_nameIndex.Clear();
    m_descriptions.clear();
    m_entries.clear();
    m_entryOfClass.clear();
    m_classes = &classes;
    m_spellLines = &spellLines;
    m_styleLines = &styleLines;

    CDatReader reader;
    if (!reader.Open(DataFilePath(folder, "abilities_rest.dat")))
        return DbResult::FileMissing;
    if (reader.NextLine()) {
        do {
            ReadRestRecord(reader);
        } while (reader.NextLine());
    }
    m_entryOfClass.assign(static_cast<std::size_t>(classes.Count()), -1);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const int classIndex = m_entries[i].classIndex;
        if (classIndex < 0)
            continue;
        int& first = m_entryOfClass[static_cast<std::size_t>(classIndex)];
        if (first < 0)
            first = static_cast<int>(i);
    }

    if (!reader.Open(DataFilePath(folder, "abilities.dat")))
        return DbResult::FileMissing;
    if (reader.NextLine()) {
        do {
            if (!ReadLineLevelRecord(reader))
                return DbResult::UnknownStyle;
        } while (reader.NextLine());
    }

    if (!reader.Open(DataFilePath(folder, "abilities_desc.dat")))
        return DbResult::FileMissing;
    if (reader.NextLine()) {
        do {
            const int index = FindOrAddName(reader.NextField());
            std::string description = reader.NextField();
            m_descriptions.resize(m_names.size());
            m_descriptions[static_cast<std::size_t>(index)] = std::move(description);
        } while (reader.NextLine());
    }
    return DbResult::Loaded;
}

void CAbilityTable::ReadRestRecord(CDatReader& reader)
{
    CClassAbilityEntry entry;
    entry.classIndex = m_classes->FindByName(reader.NextField());
    const std::int32_t count = reader.NextInt();
    // A count beyond the pairs on the line would only add nameless abilities.
    for (std::int32_t i = 0; i < count && !reader.AtEndOfLine(); ++i) {
        entry.abilities.push_back(FindOrAddName(reader.NextField()));
        entry.abilityLevels.push_back(reader.NextInt());
    }
    m_entries.push_back(std::move(entry));
}

bool CAbilityTable::ReadLineLevelRecord(CDatReader& reader)
{
    // An entry's class was resolved by name, so it is always the first class
    // of its name: the first entry whose class bears this name is the first
    // entry of the class the name resolves to.
    const int classIndex = m_classes->FindByName(reader.NextField());
    const int entryIndex = classIndex < 0 ? -1 : m_entryOfClass[static_cast<std::size_t>(classIndex)];
    CClassAbilityEntry* entry = entryIndex < 0 ? nullptr : &m_entries[static_cast<std::size_t>(entryIndex)];

    if (!entry) {
        // No plain abilities were given for this class, so there is nothing to
        // attach the levels to; the record's fields are still consumed so that
        // the next record starts where it should.
        const auto skipPair = [&reader] {
            reader.NextField();
            reader.NextField();
            return true;
        };
        ReadCountedEntries(reader, skipPair);
        ReadCountedEntries(reader, skipPair);
        return true;
    }

    const CClassInfo& info = m_classes->Info(entry->classIndex);
    entry->styleLineLevels.assign(info.styleLines.size(), 0);
    entry->spellLineLevels.assign(info.spellLines.size(), 0);

    const bool stylesMatched = ReadCountedEntries(reader, [&] {
        const std::string name = reader.NextField();
        const std::int32_t level = reader.NextInt();
        for (std::size_t i = 0; i < info.styleLines.size(); ++i) {
            const int line = info.styleLines[i];
            if (line >= 0 && line < m_styleLines->Count() && EqualsNoCase(m_styleLines->Name(line), name)) {
                entry->styleLineLevels[i] = level;
                return true;
            }
        }
        return false;
    });
    if (!stylesMatched)
        return false;

    return ReadCountedEntries(reader, [&] {
        const std::int32_t id = reader.NextInt();
        const std::int32_t level = reader.NextInt();
        const int line = m_spellLines->FindById(id);
        const int position = line < 0 ? -1 : PositionOf(info.spellLines, line);
        if (position < 0)
            return false;
        entry->spellLineLevels[static_cast<std::size_t>(position)] = level;
        return true;
    });
}

ClassAbilityList CAbilityTable::ClassAbilities(int classIndex) const
{
    ClassAbilityList list;
    if (!m_classes || classIndex < 0 || classIndex >= m_classes->Count())
        return list;
    const std::size_t slot = static_cast<std::size_t>(classIndex);
    if (slot >= m_entryOfClass.size() || m_entryOfClass[slot] < 0)
        return list;
    const CClassAbilityEntry* entry = &m_entries[static_cast<std::size_t>(m_entryOfClass[slot])];

    const auto append = [&list](std::string name, std::int32_t level, int kind) {
        list.names.push_back(std::move(name));
        list.levels.push_back(level);
        list.kinds.push_back(kind);
    };
    const auto levelAt = [](const std::vector<std::int32_t>& levels, std::size_t i) {
        return i < levels.size() ? levels[i] : 0;
    };

    for (std::size_t i = 0; i < entry->abilities.size(); ++i) {
        const std::string& name = m_names[static_cast<std::size_t>(entry->abilities[i])];
        append(name, entry->abilityLevels[i], KindOfAbility(name));
    }
    const CClassInfo& info = m_classes->Info(classIndex);
    for (std::size_t i = 0; i < info.styleLines.size(); ++i) {
        const int line = info.styleLines[i];
        if (line >= 0 && line < m_styleLines->Count())
            append(m_styleLines->Name(line), levelAt(entry->styleLineLevels, i), kAbilityTrainableLine);
    }
    for (std::size_t i = 0; i < info.spellLines.size(); ++i) {
        const int line = info.spellLines[i];
        if (line < 0 || line >= m_spellLines->Count())
            continue;
        append(m_spellLines->Name(line), levelAt(entry->spellLineLevels, i), kAbilityTrainableLine);
        if (!m_spellLines->SpecName(line).empty())
            append(m_spellLines->SpecName(line), 5, kAbilitySpecialisation);
    }

    // The exchange sort fixes the order of rows that tie on level and name
    // (a specialisation named like an ability), so it is kept as it is.
    const std::size_t count = list.names.size();
    ExchangeSort(
        count,
        [&](std::size_t i, std::size_t j) {
            return list.levels[i] > list.levels[j] ||
                   (list.levels[i] == list.levels[j] && list.names[i].compare(list.names[j]) > 0);
        },
        [&](std::size_t i, std::size_t j) {
            std::swap(list.names[i], list.names[j]);
            std::swap(list.levels[i], list.levels[j]);
            std::swap(list.kinds[i], list.kinds[j]);
        });
    return list;
}

std::string CAbilityTable::Description(std::string_view key) const
{
    const int index = FindName(key);
    if (index < 0 || static_cast<std::size_t>(index) >= m_descriptions.size())
        return {};
    return m_descriptions[static_cast<std::size_t>(index)];
}

int CAbilityTable::FindName(std::string_view name) const
{
    return m_nameIndex.Find(name);
}

int CAbilityTable::FindOrAddName(const std::string& name)
{
    // Indexed by the folded name: a long description file must not cost a
    // linear search per record.
    if (const int found = m_nameIndex.Find(name); found >= 0)
        return found;
    const int index = static_cast<int>(m_names.size());
    m_nameIndex.Add(name, index);
    m_names.push_back(name);
    return index;
}
