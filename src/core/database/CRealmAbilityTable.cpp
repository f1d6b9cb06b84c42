#include "database/CRealmAbilityTable.h"

#include <algorithm>
#include <utility>

#include "database/CClassTable.h"
#include "database/CCsvReader.h"
#include "database/ExchangeSort.h"
#include "database/GameTypes.h"

namespace {

constexpr int kClassSlots = 39;

// -1 for a kind text that is neither active nor passive.
int ParseKind(const std::string& text)
{
    if (EqualsNoCase(text, "active"))
        return kRealmAbilityActive;
    if (EqualsNoCase(text, "passive"))
        return kRealmAbilityPassive;
    return -1;
}

bool Contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

DbResult CRealmAbilityTable::LoadRealmAbilities(const std::string& folder, const CClassTable& classes)
{
    m_records.clear();
    m_indexByName.Clear();
    CCsvReader reader;
    if (!reader.Open(DataFilePath(folder, "ras.csv")))
        return DbResult::FileMissing;
    m_records.reserve(reader.LineCount());

    // Prerequisites may name abilities further down the file, so they are
    // resolved once every record is in.
    std::vector<std::string> prerequisiteNames;
    if (reader.NextLine()) {
        do {
            CRealmAbilityInfo info;
            info.name = reader.NextField();
            info.kind = ParseKind(reader.NextField());
            if (info.kind < 0)
                return DbResult::UnexpectedValue;
            info.reuse = reader.NextInt();
            for (std::int32_t& cost : info.costs)
                cost = reader.NextInt();
            std::string prerequisite = reader.NextField();
            info.prerequisiteLevel = reader.NextInt();
            info.description = reader.NextField();
            for (int slot = 0; slot < kClassSlots; ++slot) {
                const std::string className = reader.NextField();
                if (className.empty())
                    continue;
                const int classIndex = classes.FindByName(className);
                if (classIndex < 0)
                    return DbResult::UnknownClass;
                info.classes.push_back(classIndex);
            }
            m_indexByName.Add(info.name, static_cast<int>(m_records.size()));
            m_records.push_back(std::move(info));
            prerequisiteNames.push_back(std::move(prerequisite));
        } while (reader.NextLine());
    }

    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (prerequisiteNames[i].empty())
            continue;
        const int prerequisite = FindByName(prerequisiteNames[i]);
        if (prerequisite < 0)
            return DbResult::UnknownRealmAbility;
        m_records[i].prerequisite = prerequisite;
    }
    return DbResult::Loaded;
}

int CRealmAbilityTable::FindForClass(std::string_view name, int classIndex) const
{
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (EqualsNoCase(m_records[i].name, name) && Contains(m_records[i].classes, classIndex))
            return static_cast<int>(i);
    }
    return -1;
}

RealmAbilityPrerequisite CRealmAbilityTable::Prerequisite(int index) const
{
    const CRealmAbilityInfo& info = m_records[index];
    if (info.prerequisite < 0 || info.prerequisite >= Count())
        return {};
    return {m_records[info.prerequisite].name, info.prerequisiteLevel};
}

RealmAbilityListing CRealmAbilityTable::ListForClass(int classIndex) const
{
    RealmAbilityListing listing;
    for (const CRealmAbilityInfo& info : m_records) {
        if (Contains(info.classes, classIndex)) {
            listing.names.push_back(info.name);
            listing.kinds.push_back(info.kind);
        }
    }
    // Kept as an exchange sort: it decides the order of two abilities of the
    // same name with different kinds.
    const std::size_t count = listing.names.size();
    ExchangeSort(
        count, [&](std::size_t i, std::size_t j) { return listing.names[i].compare(listing.names[j]) > 0; },
        [&](std::size_t i, std::size_t j) {
            std::swap(listing.names[i], listing.names[j]);
            std::swap(listing.kinds[i], listing.kinds[j]);
        });
    return listing;
}

RealmAbilityListing CRealmAbilityTable::ListAll() const
{
    RealmAbilityListing listing;
    for (const CRealmAbilityInfo& info : m_records) {
        listing.names.push_back(info.name);
        listing.kinds.push_back(info.kind);
    }
    return listing;
}
